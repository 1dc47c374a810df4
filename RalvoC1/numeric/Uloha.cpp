#include "RalvoC1/numeric/Uloha.h"

#include "Platform/RunTimeError.h"

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// The error of a call to a member the function object does not provide.
[[noreturn]] void noSuchMember() {
    platform::raise(platform::err::NoSuchMember, "Ralvo");
}

} // namespace

Uloha::~Uloha() = default;

void Uloha::Fun(VArray&, VArray&, Variant&, VArray&) {
    noSuchMember();
}
void Uloha::Fun(DArray&, DArray&, Variant&, DArray&) {
    noSuchMember();
}
void Uloha::FKT(Variant&, Variant&, VArray&, VArray&, VArray&) {
    noSuchMember();
}
void Uloha::FKT(Variant&, double&, DArray&, DArray&, DArray&) {
    noSuchMember();
}
Variant Uloha::F(VArray&) {
    noSuchMember();
}
double Uloha::F(DArray&) {
    noSuchMember();
}

} // namespace ralvo
