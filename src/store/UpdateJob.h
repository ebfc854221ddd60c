#pragma once
#include <cstdint>
#include <vector>

#include "ProductRecord.h"

// One package of a download batch. JobId is the caller's own number, echoed in every progress
// message of the job (the store uses the tile's index).
struct UpdateJob {
    int32_t JobId = 0;
    ProductRecord Record;
};

// The jobs of one batch, in the order they are downloaded.
using UpdateJobList = std::vector<UpdateJob>;
