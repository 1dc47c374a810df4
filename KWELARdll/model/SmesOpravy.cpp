#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/SubstanceEditor.h"
#include "Platform/Conversions.h"
#include "Platform/FileSystem.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RecordFile.h"

#include <filesystem>

namespace kwelar {

using platform::RunTimeError;

namespace {

const char* const Title = "KWELAR";
//! Point values [K] whose boxes show their value in °C as a tool tip: the temperature of the
//! refractive index, the melting point and the normal boiling point.
constexpr int32_t TemperaturePoints[] = {8, 14, 15};

} // namespace

EditorForm Smes::editorForm(const ZaznamLatky& z, int16_t Ind) const {
    using editor::control;
    EditorForm form;
    form.caption = editor::Caption;
    ZaznamLatky shown = z;
    for (const editor::Field& f : editor::fields(shown))
        form.texts[f.box] = editor::displayText(f);

    // Water keeps its density equation only under its own number: it is edited as 700.
    form.texts["lblVoda"] = z.N == WaterSubstance ? editor::WaterMessage : "";
    if (z.N == WaterSubstance) form.texts["Text1"] = std::to_string(TemporaryRecord);
    form.texts["txtPor"] = std::to_string(Ind);
    for (int t = 0; t < editor::TabCount - 1; ++t)
        form.texts[control("lblNaz", t)] = z.Nazev;
    form.toolTips["txtCAS"] = editor::CasToolTip;

    // The critical constants in other units [°C, MPa, cm3/mol].
    const double Tc = z.B(CriticalTemperaturePoint), pc = z.B(CriticalPressurePoint),
                 Vc = z.B(CriticalVolumePoint);
    form.texts[control("lblBod", 17)] = "Tkrit (°C):   " + platform::format(Tc - CelsiusOffset, "#0.0");
    form.texts[control("lblBod", 18)] =
        "Pkrit (MPa):   " + platform::format(pc * MegapascalPerPascal, "#0.000");
    form.texts[control("lblBod", 19)] =
        "Vkrit (cm3/mol):    " + platform::format(Vc * CubicCentimetrePerCubicMetre, "#0.00");
    for (const int32_t j : TemperaturePoints)
        form.toolTips[control("Text2", j - 1)] = editor::temperatureToolTip(z.B(j));

    for (int32_t k = 1; k <= CorrelationCount; ++k) {
        const int i = k - 1;
        form.toolTips[control("Text3", i)] = Vztah(z.Rozvoj(k).TypVztahu);
        form.toolTips[control("txtOd", i)] = editor::validityToolTip(form.texts[control("txtOd", i)]);
        form.toolTips[control("txtDo", i)] = editor::validityToolTip(form.texts[control("txtDo", i)]);
    }
    return form;
}

void Smes::ZmenaDocas(int16_t Ind) {
    const ZaznamLatky z = m_Slozka(Ind);
    if (z.N < 1) {
        platform::msgBox(platform::numberText(Ind) + ". složka nebyla ještě načtena!", 48, "Dočasná změna");
        return;
    }
    if (m_okna) m_okna->showEditor(editorForm(z, Ind));
}

bool Smes::takeBackEditor(int16_t Ind) {
    const std::optional<EditorTexts> texts = m_okna ? m_okna->editorTexts() : std::nullopt;
    if (!texts) return false;
    if (Ind < 1 || Ind > MaxComponents) {
        platform::msgBox("Index složky mimo meze!", 16, Title);
        return false;
    }
    // Every box is read before anything is stored, so a bad box leaves the record whole; the
    // user finds the box that was refused selected, ready to be typed over.
    ZaznamLatky z;
    try {
        z = editor::recordFrom(*texts);
    } catch (const RunTimeError& e) {
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, Title);
        if (m_okna) m_okna->selectEditorBox(e.source());
        return false;
    }
    m_Slozka(Ind) = z;
    m_CislaSlozek(Ind) = z.N;
    forgetPropertyValues();
    return true;
}

void Smes::SejmiDocasne(int16_t Ind) {
    takeBackEditor(Ind);
}

void Smes::mOprDoc_ZavriOD(int16_t Ind) {
    if (takeBackEditor(Ind) && m_okna) m_okna->hideEditor();
}

void Smes::mOprDoc_StornoOD() {
    if (m_okna) m_okna->hideEditor();
}

void Smes::mOprDoc_ZapisOD(int16_t Ind) {
    if (!takeBackEditor(Ind)) return;
    ZaznamLatky& z = m_Slozka(Ind);
    z.N = TemporaryRecord;
    try {
        const std::string own = ownTemporaryRecordFile();
        if (own.empty()) {
            platform::RecordFile(m_AdrKWELAR, RecordLength).update(TemporaryRecord, z.encode());
        } else {
            // The user's own record replaces the one before it whole.
            const platform::Bytes record = z.encode();
            std::error_code ignored; // a folder that cannot be made fails the write below
            std::filesystem::create_directories(platform::folderOf(own), ignored);
            platform::writeFileAtomically(own, std::string(record.begin(), record.end()));
        }
    } catch (const RunTimeError& e) {
        platform::msgBox("Chyba při zápisu č. " + platform::numberText(e.number()) + " : " + e.description(),
                         48, Title);
    }
}

} // namespace kwelar
