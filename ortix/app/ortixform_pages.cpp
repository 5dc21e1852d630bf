// The four pages of TForm1: their controls, names, captions, hints and sizes.

#include "ortix/app/controls.h"
#include "ortix/app/ortixform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace ortix {
namespace {

// A caption above a control, as one widget for a layout.
QWidget* Titled(QWidget* parent, QLabel* caption, QWidget* body) {
    auto* box = new QWidget(parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    caption->setParent(box);
    body->setParent(box);
    v->addWidget(caption);
    v->addWidget(body, 1);
    return box;
}

TStringGrid1* NewGrid1(QWidget* parent, const char* name, int cols, int colWidth, bool editable,
                       bool rangeSelect, const char* hint) {
    auto* grid = new TStringGrid1(cols, 2, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->SetDefaultColWidth(colWidth);
    grid->SetDefaultRowHeight(20);
    grid->SetEditable(editable);
    grid->SetRangeSelect(rangeSelect);
    grid->setToolTip(Hint(hint));
    return grid;
}

void AddCaptioned(QGridLayout* g, int row, int col, QWidget* parent, const char* caption,
                  QWidget* field) {
    g->addWidget(NewCaption(parent, caption), row, col, Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(field, row, col + 1);
}

}  // namespace

void TForm1::BuildCompePage() {
    QWidget* p = compePag;
    auto* page = new QVBoxLayout(p);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(4);

    auto* station = new QHBoxLayout;
    op_ = NewEdit(p, "op_", "La stazione da compensare");
    xp_ = NewEdit(p, "xp_", "inserire nord approssimato");
    yp_ = NewEdit(p, "yp_", "Inserire est approssimato");
    station->addWidget(NewCaption(p, "Nome del punto da compensare :"));
    station->addWidget(op_, 2);
    station->addSpacing(8);
    station->addWidget(NewCaption(p, "Nord Approssimato :"));
    station->addWidget(xp_, 1);
    station->addSpacing(8);
    station->addWidget(NewCaption(p, "Est Approssimato :"));
    station->addWidget(yp_, 1);
    page->addLayout(station);

    punoti = NewGrid1(p, "punoti", 6, 121, true, true, "Inserire i dati noti");
    punoti->setProperty("showHint", false);

    Button10 = NewButton(p, "Button10", "Inserisci", "Inserisce un nuovo dato");
    Button11 = NewButton(p, "Button11", "Cancella", "cancella la riga selezionata");
    Button12 = NewButton(p, "Button12", "Pulisci", "Cancella tutti i dati");
    Button1 = NewButton(p, "Button1", "Calcola", "Compensa il punto");
    Button1->setMinimumWidth(120);
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button10);
    buttons->addWidget(Button11);
    buttons->addWidget(Button12);
    buttons->addStretch(1);
    buttons->addWidget(Button1);

    // The counts, each caption over its field.
    auto* counts = new QGridLayout;
    counts->setHorizontalSpacing(10);
    counts->setVerticalSpacing(1);
    counts->addWidget(NewCaption(p, "Numero Elementi per la Compensazione :"), 0, 0, 2, 1,
                      Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        QLabel** field;
        const char* name;
        const char* caption;
    } countFields[] = {{&n_, "n_", "Punti Noti"},
                       {&ni_, "ni_", "Direzioni Interne "},
                       {&ne_, "ne_", "Anomalie Esterne "},
                       {&nl_, "nl_", "Lati  misurati "}};
    int column = 1;
    for (const auto& c : countFields) {
        *c.field = NewSunkenText(p, c.name);
        (*c.field)->setAlignment(Qt::AlignCenter);
        counts->addWidget(NewCaption(p, c.caption), 0, column, Qt::AlignHCenter);
        counts->addWidget(*c.field, 1, column++);
    }
    counts->setColumnStretch(column, 1);

    Matrice = new TStringGrid(display_.Matrice, p);
    Matrice->setObjectName(QStringLiteral("Matrice"));
    Risultati = new TStringGrid(display_.Risultati, p);
    Risultati->setObjectName(QStringLiteral("Risultati"));
    for (TStringGrid* grid : {Matrice, Risultati}) {
        grid->SetDefaultColWidth(105);
        grid->SetDefaultRowHeight(20);
        grid->setProperty("showHint", false);
    }

    auto* results = new QGroupBox(Hint("Dati Compensati ed ellisse d'errore"), p);
    auto* g = new QGridLayout(results);
    g->setContentsMargins(6, 4, 6, 4);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(3);
    const struct {
        QLabel** field;
        const char* name;
        const char* caption;
        const char* hint;
    } resultFields[] = {
        {&x_, "x_", "N", "Coordinata N/X Compensata"},
        {&emx_, "emx_", "Em N", "Errore Medio N/X"},
        {&Y_, "Y_", "E", "Coordinata E/Y Compensata"},
        {&EMY_, "EMY_", "Em E", "Errore medio E/Y"},
        {&ema_, "ema_", "SQM", "Errore medio delle misure"},
        {&z_, "z_", "Disor. ", "Disorientamento compensato"},
        {&_men, "_men", "Men", "Coefficiente di Covarianza"},
        {&_teta, "_teta", "Teta ", "Anomalia dell'asse maggiore"},
        {&_semag, "_semag", "a ", "Semiasse Maggiore"},
        {&_semin, "_semin", "b ", "Semiasse Minore"},
    };
    for (int i = 0; i < 10; ++i) {
        const auto& f = resultFields[i];
        *f.field = NewSunkenText(results, f.name, f.hint);
        AddCaptioned(g, i / 5, (i % 5) * 2, results, f.caption, *f.field);
    }

    // Input above, results below; the user can move the border between them.
    auto* input = new QWidget(p);
    auto* inputLayout = new QVBoxLayout(input);
    inputLayout->setContentsMargins(0, 0, 0, 0);
    inputLayout->addWidget(Titled(input, NewCaption(p, "Punti noti osservati "), punoti), 1);
    inputLayout->addLayout(buttons);
    inputLayout->addLayout(counts);
    inputLayout->addWidget(results);

    auto* split = new QSplitter(Qt::Vertical, p);
    split->setChildrenCollapsible(false);
    split->addWidget(input);
    split->addWidget(Titled(split, NewCaption(p, "Matrice  delle equazioni"), Matrice));
    split->addWidget(Titled(split, NewCaption(p, "Anomalie e lati compensati "), Risultati));
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 3);
    split->setStretchFactor(2, 3);
    page->addWidget(split, 1);
}

void TForm1::BuildLibPage() {
    QWidget* p = LibPag;
    auto* page = new QVBoxLayout(p);
    page->setContentsMargins(6, 6, 6, 6);
    Label18 = NewCaption(p, "dati letti dalla stazione");
    Label18->setObjectName(QStringLiteral("Label18"));
    sdr = NewGrid1(p, "sdr", 6, 125, true, false, "Dati rilevati dalla stazione ");
    Label20 = NewCaption(p, "Coordinate ");
    Label20->setObjectName(QStringLiteral("Label20"));
    coordi =
        NewGrid1(p, "coordi", 5, 150, true, true, "Inserire le coordinate dei punti noti rilevati");
    Button8 = NewButton(p, "Button8", "Inserisci");
    Button9 = NewButton(p, "Button9", "Cancella");
    Button13 = NewButton(p, "Button13", "Pulisci");
    Button2 = NewButton(p, "Button2", "Trasferisci", "Trasferisce i dati nell'elenco punti noti");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button8);
    buttons->addWidget(Button9);
    buttons->addWidget(Button13);
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    page->addWidget(Label18);
    page->addWidget(sdr, 1);
    page->addWidget(Label20);
    page->addWidget(coordi, 1);
    page->addLayout(buttons);
}

void TForm1::BuildAptPage() {
    QWidget* p = APTPage;
    auto* page = new QVBoxLayout(p);
    page->setContentsMargins(6, 6, 6, 6);
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    auto field = [p](QLabel** f, const char* name, Qt::Alignment align = Qt::AlignRight) {
        *f = NewSunkenText(p, name);
        (*f)->setAlignment(align | Qt::AlignVCenter);
        return *f;
    };
    EDITSTAZ = field(&EDITSTAZ, "EDITSTAZ", Qt::AlignLeft);
    CBOrient = NewComboBox(p, "CBOrient", false, "Scegliere il punto lontano ");
    CBorig = NewComboBox(p, "CBorig", false, "Scegliere il punto vicino");

    AddCaptioned(g, 0, 0, p, "STAZIONE", EDITSTAZ);
    g->addWidget(NewCaption(p, "(S)"), 0, 2);
    AddCaptioned(g, 1, 0, p, "PUNTO ORIENTAMENTO", CBOrient);
    g->addWidget(NewCaption(p, "(O)"), 1, 2);
    AddCaptioned(g, 1, 3, p, "LETTURA ORIENTAMENTO", field(&LOINPUT, "LOINPUT"));
    g->addWidget(field(&POSORLABEL, "POSORLABEL", Qt::AlignLeft), 1, 5);
    AddCaptioned(g, 2, 0, p, "PUNTO ORIGINE", CBorig);
    g->addWidget(NewCaption(p, "(P)"), 2, 2);
    AddCaptioned(g, 2, 3, p, "LETTURA PUNTO", field(&LPINPUT, "LPINPUT"));
    g->addWidget(field(&POSPLABEL, "POSPLABEL", Qt::AlignLeft), 2, 5);
    g->addWidget(NewCaption(p, "ANGOLO P -S -O"), 3, 0, Qt::AlignRight);
    AddCaptioned(g, 3, 1, p, "ALFA", field(&VALALFA, "VALALFA"));
    AddCaptioned(g, 3, 3, p, "DISTANZA P - S = ", field(&DRLABEL, "DRLABEL"));
    AddCaptioned(g, 4, 0, p, "Y ORIENTAMENTO", field(&YOINPUT, "YOINPUT"));
    AddCaptioned(g, 4, 3, p, "X ORIENTAMENTO", field(&XOINPUT, "XOINPUT"));
    AddCaptioned(g, 5, 0, p, "Y PUNTO", field(&YPINPUT, "YPINPUT"));
    AddCaptioned(g, 5, 3, p, "X PUNTO", field(&XPINPUT, "XPINPUT"));
    AddCaptioned(g, 6, 0, p, "DELTA Y", field(&DELTAYLABEL, "DELTAYLABEL"));
    AddCaptioned(g, 6, 3, p, "DELTA X", field(&DELTAXLABEL, "DELTAXLABEL"));
    AddCaptioned(g, 7, 0, p, "QUADRANTE = ", field(&QUADLABEL, "QUADLABEL", Qt::AlignHCenter));
    AddCaptioned(g, 7, 3, p, "(P - O) =", field(&AZIMUTLABEL, "AZIMUTLABEL", Qt::AlignHCenter));
    AddCaptioned(g, 8, 3, p, "D = ", field(&DISTANZALABEL, "DISTANZALABEL", Qt::AlignHCenter));
    g->addWidget(NewCaption(p, "SEN EPSILON = (d * SEN ALFA)  / D;  EPSILON = "), 9, 0, 1, 4,
                 Qt::AlignRight);
    g->addWidget(field(&EPSILONLABEL, "EPSILONLABEL"), 9, 4);
    g->addWidget(NewCaption(p, "BETA = 200 - (ALFA + EPSILON) ="), 10, 0, 1, 4, Qt::AlignRight);
    g->addWidget(field(&BETALABEL, "BETALABEL"), 10, 4);
    // The bearing (P-S) as a written sum: (P-O), the sign, BETA, "=", (P-S).
    AddCaptioned(g, 11, 3, p, "(P - O) =", field(&AZIMUTLABEL2, "AZIMUTLABEL2"));
    g->addWidget(field(&SEGNOLABEL, "SEGNOLABEL", Qt::AlignHCenter), 11, 5);
    AddCaptioned(g, 12, 3, p, "BETA =", field(&BETALABEL2, "BETALABEL2"));
    g->addWidget(NewCaption(p, "="), 12, 5);
    AddCaptioned(g, 13, 3, p, "(P - S) = ", field(&AZCALCLABEL, "AZCALCLABEL"));
    AddCaptioned(g, 14, 0, p, "X/N STAZIONE = ", field(&XSTAZLABEL, "XSTAZLABEL"));
    AddCaptioned(g, 14, 3, p, "Y/E STAZIONE = ", field(&YSTAZLABEL, "YSTAZLABEL"));
    for (QLabel* f : {POSORLABEL, POSPLABEL, SEGNOLABEL}) {
        f->setMinimumWidth(130);
    }
    SEGNOLABEL->setMinimumWidth(30);
    g->setColumnStretch(6, 1);
    page->addLayout(g);

    Button3 = NewButton(p, "Button3", "CALCOLA", "Calcola Apertura a terra");
    Button15 = NewButton(p, "Button15", "Elimina Risultato", "Salva il singolo risultato");
    Button5 = NewButton(p, "Button5", "Salva  Risultato", "Salva il singolo risultato");
    Button14 = NewButton(p, "Button14", "Salva  Medie", "Salva il singolo risultato");
    Button4 = NewButton(p, "Button4", "Trasferisci", "Trasferisce i risultati medi");
    mediapt = NewGrid1(p, "mediapt", 6, 100, false, false, "Tasto destro per opzioni");

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(mediapt, 1);
    auto* side = new QGridLayout;
    side->addWidget(Button3, 0, 0, 1, 2);
    side->addWidget(Button15, 1, 0, 1, 2);
    side->addWidget(Button5, 2, 0, 1, 2);
    side->addWidget(Button14, 3, 0, 1, 2);
    AddCaptioned(side, 4, 0, p, "X/N Media", field(&_xmed, "_xmed"));
    AddCaptioned(side, 5, 0, p, "Y/E Media", field(&_ymed, "_ymed"));
    side->addWidget(Button4, 6, 0, 1, 2);
    side->setRowStretch(7, 1);
    bottom->addLayout(side);
    page->addLayout(bottom, 1);
}

void TForm1::BuildSnelPage() {
    QWidget* p = SnelPage;
    auto* page = new QVBoxLayout(p);
    page->setContentsMargins(6, 6, 6, 6);
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    auto field = [p](QLabel** f, const char* name) {
        *f = NewSunkenText(p, name);
        return *f;
    };
    g->addWidget(NewCaption(p, "NORD"), 0, 2, Qt::AlignHCenter);
    g->addWidget(NewCaption(p, "EST"), 0, 3, Qt::AlignHCenter);
    g->addWidget(NewCaption(p, "LETTURE"), 0, 4, Qt::AlignHCenter);
    const struct {
        QComboBox** list;
        const char* name;
        const char* caption;
        QLabel** north;
        const char* northName;
        QLabel** east;
        const char* eastName;
        QLabel** reading;
        const char* readingName;
    } points[] = {
        {&CBA, "CBA", "a", &INPANORD, "INPANORD", &INPAEST, "INPAEST", &INPLA, "INPLA"},
        {&CBB, "CBB", "b", &INPBNORD, "INPBNORD", &INPBEST, "INPBEST", &INPLB, "INPLB"},
        {&CBC, "CBC", "c", &INPCNORD, "INPCNORD", &INPCEST, "INPCEST", &INPLC, "INPLC"},
    };
    int row = 1;
    for (const auto& pt : points) {
        *pt.list = NewComboBox(p, pt.name, true);
        AddCaptioned(g, row, 0, p, pt.caption, *pt.list);
        g->addWidget(field(pt.north, pt.northName), row, 2);
        g->addWidget(field(pt.east, pt.eastName), row, 3);
        g->addWidget(field(pt.reading, pt.readingName), row, 4);
        ++row;
    }
    AddCaptioned(g, 4, 2, p, "ALFA (a p b)", field(&alflabel, "alflabel"));
    AddCaptioned(g, 5, 2, p, "BETA (a p c)", field(&betlabel, "betlabel"));
    g->addWidget(NewCaption(p, "p"), 6, 0, Qt::AlignRight);
    AddCaptioned(g, 6, 1, p, "NORD", field(&nplabel, "nplabel"));
    AddCaptioned(g, 6, 3, p, "EST", field(&eplabel, "eplabel"));
    g->setColumnStretch(5, 1);
    page->addLayout(g);

    auto* checks = new QGroupBox(Hint("Verifiche "), p);
    auto* c = new QGridLayout(checks);
    AddCaptioned(c, 0, 0, checks, "Nord  con a e b : ", field(&_np1, "_np1"));
    AddCaptioned(c, 0, 2, checks, "Est con a :", field(&_ep1, "_ep1"));
    AddCaptioned(c, 1, 0, checks, "Nord con b e c :", field(&_np2, "_np2"));
    AddCaptioned(c, 1, 2, checks, "Est con b ", field(&_ep2, "_ep2"));
    AddCaptioned(c, 2, 2, checks, "Est con c ", field(&_ep3, "_ep3"));
    for (QLabel* f : {_np1, _ep1, _np2, _ep2, _ep3}) {
        f->setParent(checks);
    }

    auto* solve = new QGroupBox(Hint("Soluzione Galkiewiez"), p);
    auto* s = new QHBoxLayout(solve);
    Button6 = NewButton(solve, "Button6", "CALCOLA");
    Button7 = NewButton(solve, "Button7", "Trasferisci");
    s->addWidget(Button6);
    s->addWidget(Button7);

    auto* lower = new QHBoxLayout;
    lower->addWidget(checks);
    lower->addWidget(solve);
    lower->addStretch(1);
    page->addLayout(lower);
    page->addStretch(1);
}

}  // namespace ortix
