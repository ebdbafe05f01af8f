#pragma once
// The significance test that the dendrogram window's "Continue" starts: the
// bootstrap of replicate groups, or the similarity profile test, as chosen
// in the method window.

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// The similarity profile test down the observed hierarchy, then its report
// section and grid, the cluster identifiers it cuts (the same assignment and
// station list as after the bootstrap) and the "Finish" button. SIGLIST.TXT
// belongs to the bootstrap and is not written. Failed, with a message, when
// the permutations or the alpha level cannot be used.
Outcome test_profiles(RunContext& ctx, Host& host);

// The test chosen in ctx.settings.test_method.
Outcome test_significance(RunContext& ctx, Host& host);

}  // namespace tw
