#pragma once

namespace qvs::cli {

// qvsctl's exit codes.
enum ExitCode : int {
    kExitOk = 0,
    kExitRefused = 1,     // the device or the file said no
    kExitUsage = 2,
    kExitNoResponse = 3,
};

}  // namespace qvs::cli
