#include "ModalSeam.h"

#include <utility>

namespace {

ModalAnswerer& Answerer()
{
    static ModalAnswerer answerer;
    return answerer;
}

}  // namespace

ModalAnswerer SetModalAnswerer(ModalAnswerer answerer)
{
    return std::exchange(Answerer(), std::move(answerer));
}

std::optional<int> AnswerModalBox(const MODAL_BOX& box)
{
    return Answerer() ? Answerer()(box) : std::nullopt;
}
