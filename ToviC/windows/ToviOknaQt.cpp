#include "ToviC/windows/ToviOknaQt.h"

#include "ToviC/Tovi.h"
#include "ToviC/ToviOkna.h"
#include "ToviC/windows/F_Prehled.h"
#include "ToviC/windows/frmPrep.h"

#include "Platform/qt/ModalHost.h"

namespace tovi {

namespace {

//! The two windows of one converter, each made at its first showing; their events go to the
//! converter's handlers.
class ToviOknaQt : public ToviOkna {
public:
    explicit ToviOknaQt(Tovi& owner) : m_owner(owner) {}

    void showList(const std::vector<std::string>& abbreviations) override {
        QStringList items;
        items.reserve(static_cast<qsizetype>(abbreviations.size()));
        for (const std::string& a : abbreviations)
            items << QString::fromStdString(a);
        F_Prehled& list = prehled();
        list.fill(items);
        platform::ModalHost::exec(list);
    }

    void hideList() override {
        if (mPrehled) mPrehled->hide();
    }

    void showConversion() override {
        frmPrep& window = prep();
        window.show();
        window.raise();
        window.activateWindow();
    }

    void hideConversion() override {
        if (mPrep) mPrep->hide();
    }

private:
    F_Prehled& prehled() {
        if (!mPrehled) {
            mPrehled = std::make_unique<F_Prehled>();
            QObject::connect(mPrehled.get(), &F_Prehled::Zavrit, [this] { m_owner.mPrehled_Zavrit(); });
        }
        return *mPrehled;
    }

    frmPrep& prep() {
        if (!mPrep) {
            mPrep = std::make_unique<frmPrep>();
            QObject::connect(mPrep.get(), &frmPrep::ZavritP, [this] { m_owner.mPrep_ZavritP(); });
        }
        return *mPrep;
    }

    Tovi& m_owner;
    std::unique_ptr<F_Prehled> mPrehled;
    std::unique_ptr<frmPrep> mPrep;
};

} // namespace

void installToviOkna() {
    setToviOknaFactory([](Tovi& owner) { return std::make_unique<ToviOknaQt>(owner); });
}

} // namespace tovi
