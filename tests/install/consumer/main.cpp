// Uses one member of each installed library and prints what they give: the decimal
// logarithm of the property library, a polynomial of the numerical library and a rounded
// number of the unit library.

#include "KWELARdll/model/Smes.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "RalvoC1/numeric/Ralvo.h"
#include "ToviC/Tovi.h"

#include <iostream>

int main() {
    kwelar::Smes mixture;
    ralvo::Ralvo numbers;
    tovi::Tovi units;
    platform::VArray a(1, 3); // x^2 + 2x + 3
    a(1) = platform::Variant(1.0);
    a(2) = platform::Variant(2.0);
    a(3) = platform::Variant(3.0);
    std::cout << mixture.Log10(platform::Variant(1000.0)).toDouble() << ' '
              << numbers.Polyn(platform::Variant(int16_t{2}), platform::Variant(2.0), a).toDouble() << ' '
              << units.RoundX(platform::Variant(1.5)).toString() << '\n';
    return 0;
}
