// Must fail the layer check: a calculation header that takes the whole Session.
#pragma once

namespace kv9 {

class Session;
void Probe(Session& s);

}  // namespace kv9
