#include "KWELARdll/model/Smes.h"

namespace kwelar {

// The data editor arrives with its own window; until then the offer of the rename leads
// nowhere.
void Smes::ZmenaDocas(int16_t) {}

} // namespace kwelar
