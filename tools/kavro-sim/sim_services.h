#pragma once

#include "faults.h"
#include "journal.h"
#include "plant_model.h"

namespace qvs::sim {

// What every server of the simulator shares.
struct SimServices {
    Plant& plant;
    FaultSet& faults;
    Journal& journal;
};

}  // namespace qvs::sim
