#include "MORV/model/TARMMORV.h"

#include "MORV/model/MorvConstants.h"
#include "Platform/RunTimeError.h"

namespace morv {

TARMMORV::TARMMORV() {
    MetodaP = k::initialMethod;
}

TARMMORV::~TARMMORV() = default;

std::unique_ptr<TARMMORV> TARMMORV::fieldCopy() const {
    return std::unique_ptr<TARMMORV>(new TARMMORV(*this));
}

void TARMMORV::restoreFields(const TARMMORV& copy) {
    *this = copy;
}

TARMST& TARMMORV::he() const {
    if (!m_he) platform::raise(platform::err::ObjectNotSet, "TARMMORV");
    return *m_he;
}

} // namespace morv
