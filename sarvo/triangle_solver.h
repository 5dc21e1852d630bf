#pragma once

// The triangle solver: from three of the six elements of a plane triangle (three sides, three
// angles in gon) it computes the other three, the area, the three heights and the radii of the
// inscribed and circumscribed circles.
//
// Element i lives in input box i: 0 to 2 are sides 1 to 3, 3 to 5 angles 1 to 3, angle k
// opposite side k. An element is given when its value is greater than 0.

#include <string>
#include <utility>
#include <vector>

namespace sarvo {

inline constexpr int kBoxCount = 6;

// What the solver needs of its window. Texts are Windows-1252 bytes.
class TriangleView {
  public:
    virtual ~TriangleView() = default;

    // Input box 0 to 5.
    virtual std::string BoxText(int index) const = 0;
    virtual void SetBoxText(int index, const std::string& text) = 0;
    // Replaces the whole text of the results box.
    virtual void SetResultsText(const std::string& text) = 0;
    // Draws the solved triangle; called last, when the results text is in place.
    virtual void DisegnaTriangolo() = 0;
};

// The values one program keeps from one computation to the next; the drawing reads them.
struct ProgramValues {
    double PiGreco = 0;    // 4 arctan 1
    double RadPerGon = 0;  // PiGreco / 200
    double GonPerRad = 0;  // 200 / PiGreco
    // Of the last triangle that reached the results (untouched by a computation that stops):
    double SemiPerimetro = 0;
    double AreaTriangolo = 0;    // Heron's formula
    double RaggioInscritto = 0;  // AreaTriangolo / SemiPerimetro

    // PiGreco and the two angle factors, as the window sets them when it loads.
    void SetAngleFactors();
};

// The program's messages, Windows-1252. All but kDoppiaSoluzione carry the title
// kTitoloImpossibile and the exclamation icon; kDoppiaSoluzione has kTitoloProblema and the
// critical icon.
inline constexpr const char* kTitoloImpossibile = "Impossibile continuare";
inline constexpr const char* kTitoloProblema = "Problema";
inline constexpr const char* kElementiInsufficienti = "Numero di elementi insufficienti!";
inline constexpr const char* kLineariInsufficienti = "Numero di elementi Lineari insufficienti!";
inline constexpr const char* kLatoMaggiore = "Un lato \xE8 Maggiore della somma degli altri 2!";
inline constexpr const char* kDoppiaSoluzione = "Doppia Soluzione";
// The angles of the data reach 200 gon (the third angle would be 0 or negative).
inline constexpr const char* kSommaAngoli = "La somma degli angoli raggiunge 200 gon!";
// The data admit no triangle whose sides close (a sine of 0, a negative square root, a
// computed side not shorter than the sum of the other two).
inline constexpr const char* kNonTriangolo = "I dati non formano un triangolo!";
// Values so large or so small that the arithmetic of a double cannot carry them.
inline constexpr const char* kFuoriScala = "Valori troppo grandi o troppo piccoli per il calcolo!";

class TriangleSolver {
  public:
    // Sets the angle factors of Program.
    explicit TriangleSolver(TriangleView& view);

    // Checks the six boxes, solves the triangle by the first case whose elements are given,
    // writes the computed elements into their boxes, the six-line results text (joined by
    // CR LF) into the results box, and calls DisegnaTriangolo.
    // Throws platform::UserMessage (title and icon set) when the data do not make a triangle;
    // then no box, no result and no drawing has changed. Returns silently, changing nothing,
    // when the three sides are all 0.
    void CalcolaTriangolo();

    // The elements as last read from the boxes and solved: sides, angles in gon.
    double TA = 0;
    double TB = 0;
    double TC = 0;
    double Alfa = 0;
    double Beta = 0;
    double Gamma = 0;
    // The sine of the angle that the law of sines gives when two sides and the angle opposite
    // one of them are known (angle 2 for sides 1, 2 and angle 1).
    double TriX = 0;

    ProgramValues Program;

  private:
    void TreLati();
    void DueLatiAngoloCompreso1();
    void DueLatiAngoloCompreso2();
    void DueLatiAngoloCompreso3();
    void UnLato2Angoli1();
    void UnLato2Angoli2();
    void UnLato2Angoli3();

    void SolveFirstMatchingCase();
    // Sides p and q with the angle P opposite p: the law of sines gives Q (opposite q), the
    // angle sum R (between p and q), then solveThirdSide the side opposite R and the angles.
    void DueLatiAngoloOpposto(double p, double q, double angleP, double& angleQ, double& angleR,
                              void (TriangleSolver::*solveThirdSide)());
    // Side `known` (0 to 2) and the two angles next to it: its opposite angle from the angle
    // sum, the two other sides by the law of sines; writes the two sides, then the angle.
    void SidesFromOneSide(int known);
    // The law of cosines: the side opposite the angle between the sides x and y.
    double SideOppositeIncludedAngle(double x, double y, double angleGon) const;
    double SinGon(double angleGon) const;

    // Box writes wait here until the whole computation has succeeded.
    void WriteBox(int index, double value);

    TriangleView& view_;
    std::vector<std::pair<int, std::string>> pendingBoxes_;
};

}  // namespace sarvo
