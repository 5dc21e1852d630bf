#include "ortix/app/okrightdlg.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ortix {

QStringList InstructionLines() {
    const char* const lines[] = {
        "VALMERO ",
        "",
        "Programma per la compensazione planimetrica di punto isolato.",
        "",
        "Come Funziona:",
        "Iniziare da \"Compensazione planimetrica\": inserito il nome del punto da compensare "
        "(obbligatorio) si hanno queste possibilità:",
        "A) Coordinate provvisorie :",
        "\t1) inserirle nei rispettivi campi (anche determinate graficamente);",
        "\t2) calcolarle con l'apertura a terra o con Snelius.",
        "B) Elementi noti per la compensazione (almeno tre)",
        "\tnel caso un elemento non sia noto lasciare 0.00",
        "\tdirezione interna: la lettura non orientata fatta dal punto da compensare verso il "
        "punto noto;",
        "\tanomalia esterna: la direzione orientata dal punto noto verso il punto da compensare;",
        "\tlato: la distanza tra il punto noto e il punto da compensare.",
        "\t1) Inserirli manualmente",
        "\t\tcon i tasti Inserisci, cancella e Pulisci si aggiunge una riga, si toglie la riga "
        "selezionata o si svuota la tabella;",
        "\t2) Caricare punti noti salvati",
        "\t3) Trasferirli da libretto e coordinate",
        "\t\tsi carica il libretto di campagna e si inseriscono le coordinate dei punti "
        "collegati.",
        "Inseriti i dati, il tasto \"calcola\" produce i risultati compensati.",
        "Verrà mostrata a video:",
        "1) la matrice delle equazioni con gli scarti, i residui e i residui lineari;",
        "2) le anomalie e i lati compensati con le loro differenze;",
        "3) il punto compensato, gli errori medi delle coordinate, lo SQM, il disorientamento "
        "medio e i dati dell'ellisse: coefficiente di covarianza (MEN), angolo di rotazione "
        "(teta), semiasse maggiore (a), semiasse minore (b).",
        "",
        "In \"libretto e coordinate\" sarà possibile:",
        "1) caricare da un libretto di campagna le letture del punto da compensare;",
        "2) inserire le coordinate dei punti rilevati, assunti come noti;",
        "3) trasferire i dati nei punti noti della pagina principale.",
        "Le coordinate inserite possono essere salvate.",
        "",
        "In \"apertura a terra\" è possibile calcolare le coordinate provvisorie del punto da "
        "compensare.",
        "Inseriti nella pagina principale il nome del punto e i punti noti, la pagina propone i "
        "punti da usare come origine e come orientamento. Con più soluzioni si possono salvare i "
        "singoli risultati o la media, oppure eliminare il risultato evidenziato. Il tasto "
        "\"trasferisci\" porta i risultati medi nei campi delle coordinate provvisorie della "
        "pagina principale.",
        "",
        "In \"Snelius\" sarà possibile:",
        "come nella pagina dell'apertura a terra, calcolare e trasferire le coordinate medie del "
        "punto risolvendo il problema di Snellius con la soluzione di Galkiewiez.",
        "",
        "Menu:",
        " File:",
        "\tCarica Punti noti",
        "\t\tcarica un file di testo di punti noti salvato in precedenza;",
        "\tCarica Libretto ",
        "\t\tcarica da un libretto di campagna le letture del punto da compensare;",
        "\tCarica Coordinate",
        "\t\tcarica le coordinate salvate in precedenza;",
        "\tSalva punti noti",
        "\t\tsalva i punti noti e i dati del punto da compensare;",
        "\tSalva risultati",
        "\t\tsalva i risultati del calcolo, per poterli stampare;",
        "\tSalva coordinate",
        "\t\tsalva le coordinate dei punti da associare alle letture.",
    };
    QStringList out;
    for (const char* line : lines) {
        out << QString::fromUtf8(line);
    }
    return out;
}

TOKRightDlg::TOKRightDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OKRightDlg"));
    setWindowTitle(QStringLiteral("Istruzioni"));
    setFixedSize(613, 275);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 513, 259);

    Memo1 = new QPlainTextEdit(Bevel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(6, 6, 501, 247);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabStopDistance(Memo1->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
    Memo1->setPlainText(InstructionLines().join(QLatin1Char('\n')));

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(529, 8, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancella"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(529, 38, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace ortix
