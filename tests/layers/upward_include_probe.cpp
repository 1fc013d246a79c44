// Must not compile: the core layer cannot see the configuration of the model layer above it.
#include "model/config.h"

int kv9_layer_probe = sizeof(kv9::Config);
