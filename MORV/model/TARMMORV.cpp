#include "MORV/model/TARMMORV.h"

#include "MORV/model/MorvConstants.h"
#include "Platform/RunTimeError.h"

namespace morv {

TARMMORV::TARMMORV() {
    MetodaP = k::initialMethod;
}

TARMMORV::~TARMMORV() = default;

TARMST& TARMMORV::he() const {
    if (!m_he) platform::raise(platform::err::ObjectNotSet, "TARMMORV");
    return *m_he;
}

} // namespace morv
