// Compiles: a core header on the core layer's include path (the control of the upward probe).
#include "core/text.h"

int kv9_layer_probe = 0;
