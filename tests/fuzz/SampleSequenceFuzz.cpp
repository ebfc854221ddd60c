// Any sequence of sample appends, plot-width changes, freezes, resets and graph drawings on a few
// rows: every sample list must stay a well-linked chain or ring whose count matches its nodes and
// whose heights stay inside the graph band.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../screens/EngineFakes.h"
#include "TableEngine.h"

namespace {

constexpr int kRows = 4;

void CheckList(const GRAPH_RECORD& record, int bandHeight)
{
    if (!record.oldest) {
        if (record.sampleCount != 0)
            abort();
        return;
    }
    int count = 0;
    const SAMPLE_NODE* node = record.oldest;
    for (;;) {
        ++count;
        if (count > record.sampleCount || node->height < 0 || node->height > bandHeight)
            abort();
        const SAMPLE_NODE* next = node->next;
        if (!next) {
            if (record.oldest->previous != node)
                abort();  // the oldest's previous link names the newest
            break;
        }
        if (next->previous != node)
            abort();
        if (next == record.oldest)
            break;
        node = next;
    }
    if (count != record.sampleCount)
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One engine for every input: its fixed tables are large, and each input starts it afresh.
    static engine_test::ENGINE_RIG& rig = *new engine_test::ENGINE_RIG(ENGINE_AREA{0, 0, 640, 400});
    CTableEngine::SetGraphRowCount(kRows);
    rig.canvas.pictures.clear();
    rig->ClearSamples();
    rig->Init();
    rig->OnAttached(ENGINE_AREA{0, 0, 640, 400});
    CTableEngine::SetGraphRowCount(kRows);
    rig->Reset();
    rig->SetRowCount(kRows);
    const int band = 3 * CTableEngine::EffectiveRowHeight();
    size_t i = 0;
    auto next = [&]() -> uint8_t { return i < size ? data[i++] : 0; };
    while (i < size) {
        const uint8_t op = next();
        const int row = next() % kRows;
        switch (op % 6) {
        case 0: {
            std::string text;
            while (i < size && data[i] != '\n' && text.size() < 300)
                text.push_back(static_cast<char>(data[i++]));
            ++i;
            rig->AppendSample(row, text.c_str());
            break;
        }
        case 1:  // a narrower or wider plot, down to none at all
            rig->SetRect(ENGINE_AREA{0, 0, next() * 4, 400});
            break;
        case 2:
            rig->SetFreeze(!rig->IsFrozen());
            break;
        case 3:
            rig->SetRecount(true);
            rig->DrawGraph(next() % 2, static_cast<int>(next()) - 1);
            break;
        case 4:
            if (op & 0x10)
                rig->ClearSamples();
            else
                rig->Reset();
            CTableEngine::SetGraphRowCount(kRows);
            break;
        default: {
            GRAPH_RECORD& record = *rig->GraphRecord(row);
            record.graphShown = !record.graphShown;
            record.textHeight = static_cast<short>(record.graphShown ? band + 23 : 23);
            break;
        }
        }
        for (int r = 0; r < kRows; ++r)
            CheckList(*rig->GraphRecord(r), band);
    }
    CTableEngine::SetGraphRowCount(0);
    return 0;
}
