#pragma once
// The output files of one batch run, written under temporary names beside
// their real ones and put in place together when the run is complete. A run
// that stops part-way (a refused file, a warning not answered Yes, a full
// disk) leaves every earlier output as it was: no half report, no
// CLUSTER.LST of another run's data, no SIGLIST.TXT lines of an unfinished
// test.
//
// A file opened again during the run (SIGLIST.TXT is appended once per
// linkage) reopens its temporary copy; a file opened for appending starts
// from what the real file holds.

#include <map>
#include <memory>
#include <string>

#include "run/host.h"

namespace tw::batch {

class StagedOutputs {
  public:
    StagedOutputs() = default;
    ~StagedOutputs();  // discards whatever was not committed
    StagedOutputs(const StagedOutputs&) = delete;
    StagedOutputs& operator=(const StagedOutputs&) = delete;

    // Null when the temporary file cannot be created (a missing or
    // read-only folder), exactly when the real one could not be.
    std::unique_ptr<TextTarget> open(const std::string& name, OpenMode mode);

    // Puts every staged file in place. Returns the name of the first one that
    // could not be written or renamed, or "" when all are in place; the rest
    // are discarded then.
    std::string commit();
    // Removes every temporary file; the real files stay as they were.
    void discard();

  private:
    struct Staged {
        std::string temporary;
        int interrupt_slot = -1;  // where an interrupt finds it (interrupted_run.h)
        // Shared with the open target, which may outlive a discard.
        std::shared_ptr<bool> write_failed = std::make_shared<bool>(false);
    };
    std::map<std::string, Staged> staged_;
};

}  // namespace tw::batch
