// "Calcola": the adjustment of the station and its display on the main page.

#include "ortix/app/controls.h"
#include "ortix/app/ortixform.h"

#include <QLabel>
#include <QLineEdit>

namespace ortix {

void TForm1::Button1Click() {
    // Whatever happens, the page shows the state the run reached: after an early stop the reset
    // fields and the rows written so far, and the ellipse of the previous run.
    struct ShowFields {
        TForm1* form;
        ~ShowFields() { form->ShowAdjustmentFields(); }
    } show{this};
    const std::string xp = Text(xp_);
    const std::string yp = Text(yp_);
    Matrice->Change([&](platform::TextGrid&) {
        Risultati->Change(
            [&](platform::TextGrid&) { RunAdjustment(punoti->Data(), xp, yp, display_); });
    });
}

void TForm1::ShowAdjustmentFields() {
    const struct {
        QLabel* field;
        const std::string& text;
    } fields[] = {
        {n_, display_.n_},         {ni_, display_.ni_},       {ne_, display_.ne_},
        {nl_, display_.nl_},       {x_, display_.x_},         {emx_, display_.emx_},
        {Y_, display_.Y_},         {EMY_, display_.EMY_},     {ema_, display_.ema_},
        {z_, display_.z_},         {_men, display_._men},     {_teta, display_._teta},
        {_semag, display_._semag}, {_semin, display_._semin},
    };
    for (const auto& f : fields) {
        SetText(f.field, f.text);
    }
}

}  // namespace ortix
