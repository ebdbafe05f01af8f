#include "cluster/dendrogram.h"

namespace tw {

void dendrogram_order(Workspace&, std::int32_t) {}
void draw_dendrogram(RunContext&, Host&, Workspace&, std::int32_t) {}

}  // namespace tw
