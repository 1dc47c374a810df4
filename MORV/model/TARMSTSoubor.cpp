#include "MORV/model/TARMST.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/ProgramState.h"
#include "Platform/Conversions.h"
#include "Platform/ItemFile.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <array>
#include <cmath>
#include <variant>
#include <vector>

namespace morv {

using platform::RunTimeError;
using platform::Variant;

namespace {

const std::string Title = "HE";
const std::string Crlf = "\r\n";

//! Highest unknown flag the file holds: IPOM(0..8).
constexpr int16_t lastStoredFlag = 8;

//! A field of lines 1 to 4, by its kind.
using Field = std::variant<std::string TARMST::*, Int16 TARMST::*, Single TARMST::*, bool TARMST::*>;

//! Lines 1 to 4 of the file, item by item.
const std::array<std::vector<Field>, 4> fieldLines = {{
    {&TARMST::Nazev, &TARMST::Kod, &TARMST::Numb, &TARMST::Kprostup, &TARMST::Q, &TARMST::Pterm,
     &TARMST::Rkap, &TARMST::Ttrubi, &TARMST::Ttrubo, &TARMST::Tplasti, &TARMST::Tplasto},
    {&TARMST::Dplast, &TARMST::Dtrubi, &TARMST::Dtrubo, &TARMST::L, &TARMST::Plocha, &TARMST::Chod,
     &TARMST::Ntrub, &TARMST::sT, &TARMST::sL, &TARMST::Zneci, &TARMST::Zneco},
    {&TARMST::dPrep, &TARMST::hPrep, &TARMST::NstredT, &TARMST::NstredL, &TARMST::Uspor, &TARMST::TrubKap,
     &TARMST::PlastKap},
    {&TARMST::HrdloPli, &TARMST::HrdloPlo, &TARMST::HrdloTri, &TARMST::HrdloTro, &TARMST::Drsnost,
     &TARMST::indProti, &TARMST::Vodw, &TARMST::Natok},
}};

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

//! One component line: the substance number and its mass and mole fraction in the stream
//! (the name the line also holds comes back from the database).
struct ComponentLine {
    int16_t number = 0;
    double Xh = 0.0;
    double Xm = 0.0;
};

//! Everything the file holds, read in full before the model is touched. The fields of
//! lines 1 to 4 are read into `fields`, a model of their own without streams.
struct TaskFile {
    TARMST fields;
    std::array<Variant, lastStoredFlag + 1> flags;
    double mTr = 0.0, mPl = 0.0, PTr = 0.0, PPl = 0.0;
    std::vector<ComponentLine> tube;
    std::vector<ComponentLine> shell;
};

// ---- Writing ------------------------------------------------------------------------------

//! A component whose substance is missing from the database has no loaded record (number 0):
//! the number requested for it is written, so the file keeps the substance it named.
void writeComponents(platform::ItemWriter& w, Proud& stream) {
    kwelar::Smes& s = stream.S();
    const int16_t n = s.Nsloz().toInteger();
    w.integer(n).endLine();
    for (int16_t i = 1; i <= n; ++i) {
        const int16_t loaded = s.Nslozky(i).toInteger();
        w.integer(loaded != 0 ? loaded : s.requestedNumber(i))
            .text(s.Nazev(i))
            .number(stream.Xh(i))
            .number(stream.Xm(i))
            .endLine();
    }
}

// ---- Reading ------------------------------------------------------------------------------

//! A field outside its values: a file of another structure.
[[noreturn]] void refuseField(const std::string& what) {
    platform::raise(platform::err::TypeMismatch, {}, what);
}

//! A component count: a whole number 0..20; anything else is a file of another structure.
int16_t readCount(platform::ItemReader& r) {
    const double n = r.readDouble();
    if (!(n >= 0.0 && n <= kwelar::MaxComponents && n == std::floor(n)))
        platform::raise(platform::err::TypeMismatch, {}, "component count 0 to 20 expected");
    return static_cast<int16_t>(n);
}

//! n component lines; `line` counts them.
std::vector<ComponentLine> readComponents(platform::ItemReader& r, int16_t n, int& line) {
    std::vector<ComponentLine> lines(static_cast<size_t>(n));
    for (ComponentLine& c : lines) {
        c.number = r.readInteger();
        r.readString();
        c.Xh = r.readDouble();
        c.Xm = r.readDouble();
        ++line;
    }
    return lines;
}

//! Reads the whole file. A failed item raises its error with the line it stands on.
void readTask(const std::string& path, TaskFile& task) {
    platform::ItemReader r(path);
    int line = 1;
    try {
        for (const std::vector<Field>& fields : fieldLines) {
            for (const Field& field : fields) {
                std::visit(
                    Overloaded{
                        [&](std::string TARMST::*f) { task.fields.*f = r.readString(); },
                        [&](Int16 TARMST::*f) { task.fields.*f = static_cast<double>(r.readInteger()); },
                        [&](Single TARMST::*f) { task.fields.*f = static_cast<double>(r.readSingle()); },
                        [&](bool TARMST::*f) { task.fields.*f = r.readBool(); },
                    },
                    field);
            }
            if (&fields != &fieldLines.back()) ++line;
        }
        // The layout is 0 or 1; a flag is empty, 0 or 1. Any other value would pass the count
        // of three unknowns with no unknown marked, so it makes a file of another structure.
        if (task.fields.Natok != 0 && task.fields.Natok != 1) refuseField("Natok 0 or 1 expected");
        ++line;
        for (Variant& flag : task.flags) {
            const Variant v = r.readVariant();
            flag = v.isEmpty() ? v : Variant(v.toInteger());
            if (!flag.isEmpty() && flag.toInteger() != 0 && flag.toInteger() != 1)
                refuseField("flag empty, 0 or 1 expected");
        }
        ++line;
        task.mTr = r.readDouble();
        task.mPl = r.readDouble();
        task.PTr = r.readDouble();
        task.PPl = r.readDouble();
        ++line;
        const int16_t n = readCount(r);
        ++line;
        task.tube = readComponents(r, n, line);
        const int16_t k = readCount(r);
        ++line;
        task.shell = readComponents(r, k, line);
    } catch (const RunTimeError& e) {
        throw RunTimeError(e.number(), path + ", line " + std::to_string(line), e.description());
    }
}

//! A file that does not hold a whole task: an item of the wrong kind (13) or beyond the
//! range of its field (6), or a file that ends too early (62).
bool isWrongStructure(int32_t number) {
    return number == platform::err::TypeMismatch || number == platform::err::Overflow ||
           number == platform::err::PastEndOfFile;
}

void showError(const RunTimeError& e) {
    platform::msgBox("NactiData - Chyba č. " + platform::numberText(e.number()) + Crlf + e.description(), 16,
                     Title);
}

//! Runs one step of taking the file over; a failure is shown and the load goes on.
template <class Step> void step(Step&& s) {
    try {
        s();
    } catch (const RunTimeError& e) {
        showError(e);
    }
}

//! Requests the stream's components from its mixture object and sets their fractions. The
//! end mark 0 follows the last component unless all 20 slots are taken (slot 21 does not
//! exist).
void takeComponents(Proud& stream, const std::vector<ComponentLine>& lines) {
    kwelar::Smes& s = stream.S();
    const auto n = static_cast<int16_t>(lines.size());
    for (int16_t i = 1; i <= n; ++i) {
        const ComponentLine& c = lines[static_cast<size_t>(i - 1)];
        s.ZapisNslozky(i, c.number);
        stream.Xh(i, c.Xh);
        stream.Xm(i, c.Xm);
    }
    if (n < kwelar::MaxComponents) s.ZapisNslozky(static_cast<int16_t>(n + 1), 0);
}

//! Loads the records of the requested components; a mixture that does not load is shown,
//! on either side, and the load goes on.
void loadMixture(kwelar::Smes& s) {
    step([&] {
        if (s.Inikwl().toInteger() == 0) platform::msgBox("Nenačtena řádně data z KWELAR.DRC!", 16, Title);
    });
}

} // namespace

void TARMST::UlozData(const std::string& FilNazev) {
    platform::ItemWriter w;
    for (const std::vector<Field>& fields : fieldLines) {
        for (const Field& field : fields) {
            std::visit(Overloaded{
                           [&](std::string TARMST::*f) { w.text(this->*f); },
                           [&](Int16 TARMST::*f) { w.integer(this->*f); },
                           [&](Single TARMST::*f) { w.number(this->*f, true); },
                           [&](bool TARMST::*f) { w.boolean(this->*f); },
                       },
                       field);
        }
        w.endLine();
    }
    for (int16_t i = 0; i <= lastStoredFlag; ++i)
        w.value(m_IPOM(i));
    w.endLine();
    w.number(Tr().m()).number(Pl().m()).number(Tr().P()).number(Pl().P()).endLine();
    writeComponents(w, Tr());
    writeComponents(w, Pl());
    w.save(FilNazev);
}

Variant TARMST::NactiData(const std::string& FilNazev) {
    ProgramState& state = program();
    state.SlozeniZadano = 0;

    TaskFile task;
    try {
        readTask(FilNazev, task);
    } catch (const RunTimeError& e) {
        if (isWrongStructure(e.number()))
            platform::msgBox("Načítaný soubor má nesprávnou strukturu!", 16, Title);
        else if (e.number() == platform::err::FileNotFound)
            platform::msgBox("Zadali jste název neexistujícího souboru!", 64, Title);
        else
            showError(e);
        state.ChybaNacteni = -1;
        return Variant();
    }

    for (const std::vector<Field>& fields : fieldLines) {
        for (const Field& field : fields)
            std::visit([&](auto f) { this->*f = task.fields.*f; }, field);
    }
    for (int16_t i = 0; i <= lastStoredFlag; ++i)
        m_IPOM(i) = task.flags[static_cast<size_t>(i)];
    Tr().m(task.mTr);
    Pl().m(task.mPl);
    Tr().P(task.PTr);
    Pl().P(task.PPl);

    // The tube stream's object locates the database; the shell stream's takes its path.
    takeComponents(Tr(), task.tube);
    std::string database;
    step([&] {
        Tr().S().Adrkwl();
        database = Tr().S().AdrKWELAR();
    });
    loadMixture(Tr().S());

    Pl().S().Nsloz(Variant(static_cast<int16_t>(task.shell.size())));
    takeComponents(Pl(), task.shell);
    Pl().S().AdrKWELAR(database);
    loadMixture(Pl().S());

    state.ChybaNacteni = 0;
    return Variant(state.SlozeniZadano);
}

} // namespace morv
