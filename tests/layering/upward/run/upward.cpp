// A run/ file reaching up into cluster/: the layering check must refuse it.
#include "cluster/routine.h"
#include "run/host.h"
