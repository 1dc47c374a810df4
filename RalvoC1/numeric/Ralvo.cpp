#include "RalvoC1/numeric/Ralvo.h"

namespace ralvo {

Ralvo& Ralvo::app() {
    static Ralvo instance;
    return instance;
}

} // namespace ralvo
