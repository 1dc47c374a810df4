// The database record reader (ZaznamLatky::decode, Smes::Inikwl) and the members that read the
// records: the input holds the records from substance 13 on, after the twelve good ones of the
// run's database. A mixture of substance 13 and a good one is loaded and every constant,
// correlation and property is asked for in each error mode: none may give a value that is not
// finite, whatever the bytes.

#include "FuzzSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <functional>

namespace {

using platform::Variant;

void requireFinite(const Variant& v, const char* what) {
    if (v.type() == platform::VarType::String || v.isEmpty()) return;
    fuzzsupport::require(std::isfinite(v.toDouble()), what);
}

// Runs one call; a run-time error is an answer too.
void ask(const std::function<Variant()>& call, const char* what) {
    try {
        requireFinite(call(), what);
    } catch (const platform::RunTimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzzsupport;
    setUp();
    constexpr size_t mostRecords = 3;
    if (size > mostRecords * kwelar::RecordLength) return 0;
    const std::string good = platform::readWholeFile(database());
    const std::string path = write("damaged.drc", good + std::string(text(data, size)));

    for (const int16_t mode : {int16_t{2}, int16_t{0}, int16_t{-1}}) {
        kwelar::Smes s;
        s.AdrKWELAR(path);
        s.ChyboveHlasky(mode);
        s.ZapisNslozky(1, 13);
        s.ZapisNslozky(2, 2);
        s.ZapisNslozky(3, 0);
        try {
            if (s.Inikwl().toInteger() != 2) continue;
        } catch (const platform::RunTimeError&) {
            continue;
        }
        platform::VArray r(1, 2);
        r(1) = Variant(0.4);
        r(2) = Variant(0.6);
        for (int16_t i = 1; i <= 2; ++i) {
            ask([&] { return s.Mvi(i); }, "Mvi");
            ask([&] { return s.Tkri(i); }, "Tkri");
            ask([&] { return s.TkriC(i); }, "TkriC");
            ask([&] { return s.Pkri(i); }, "Pkri");
            ask([&] { return s.Vkri(i); }, "Vkri");
            ask([&] { return s.Acenti(i); }, "Acenti");
            ask([&] { return s.Gyr(i); }, "Gyr");
            ask([&] { return s.Htani(i); }, "Htani");
            ask([&] { return s.Ttani(i); }, "Ttani");
            ask([&] { return s.TtaniC(i); }, "TtaniC");
            ask([&] { return s.Tnbvi(i); }, "Tnbvi");
            ask([&] { return s.TnbviC(i); }, "TnbviC");
            ask([&] { return Variant(s.Dipolm(i)); }, "Dipolm");
            for (int16_t j = 1; j <= kwelar::PointValueCount; ++j)
                ask([&] { return Variant(s.Bod(i, j)); }, "Bod");
            for (int16_t j = 1; j <= kwelar::CorrelationCount; ++j) {
                for (int16_t M = 1; M <= 10; ++M)
                    ask([&] { return Variant(s.KWLConst(i, j, M)); }, "KWLConst");
                for (const double T : {250.0, 400.0})
                    ask([&] { return s.FFce(Variant(T), i, j); }, "FFce");
            }
        }
        ask([&] { return s.VSM(r); }, "VSM");
        static const char* const properties[] = {"ROLW", "ETAL",  "ETAG", "ALAL",  "ALAG",  "CPL", "CPLW",
                                                 "CPG",  "CPGW",  "DHV",  "DHVW",  "HL",    "SL",  "TENS",
                                                 "ROGW", "RROGW", "RCPG", "RETAG", "RALAG", "TBV", "TRB"};
        for (const char* name : properties)
            ask([&] { return s.Vlastnost(name, r, Variant(320.0), Variant(1e5)); }, name);
    }
    return 0;
}
