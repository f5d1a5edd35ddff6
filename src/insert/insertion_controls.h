#pragma once

#include "points/locale_number.h"

#include <QString>

namespace vandelor::insert {

// The window's text boxes that the insertion run reads or writes, by what
// they hold; the window alone knows which control is which.
enum class Box {
    PointName,      // the ID's first part when the program makes the IDs
    StartNumber,    // the counter after it
    UpperTolerance, // of the dimension commands
    LowerTolerance,
    Thickness,        // the nominal or actual thickness
    AutoMoveDistance, // of the automatic move
    EdgeFirst,        // the edge point settings
    EdgePerm,
    EdgeIndent,
    EdgeSpacing,
    EdgeDepth,
};

// The window's options and check boxes that the insertion run reads.
enum class Choice {
    SnapVector,      // "Vektor einrasten": Ja
    PointDetails,    // "Punktedetails": Ja
    AutoMove,        // "Auto Bewegung": Ja
    ActualThickness, // "Stärke Modus": IST
    IdsFromFile,     // point IDs from the file
    VectorInsert,    // insert type "Vektor" (else edge points)
    Dimensions,      // dimension commands after each point
    DimensionX,      // of X, Y, Z, the vector and the deviation
    DimensionY,
    DimensionZ,
    DimensionVector,
    DimensionDeviation,
};

// What the insertion run needs of the window. Every setting is read at the
// moment the run needs it, never cached.
class InsertionControls {
public:
    virtual ~InsertionControls() = default;

    virtual QString text(Box box) const = 0;
    // Writes a box's text; the box's own change rule sees the write.
    virtual void setText(Box box, const QString &text) = 0;
    virtual bool isSet(Choice choice) const = 0;

    // The progress bar's value on the scale 0 to 100, kept with fractions.
    virtual float progress() const = 0;
    // Sets the progress bar and shows the new value at once.
    virtual void setProgress(float value) = 0;

    // A modal message with one fixed text; returns when the user closed it.
    virtual void showMessage(const QString &text) = 0;

    // The tolerance normalisation of the window, applied in place.
    virtual void normaliseDecimal(QString &text) const = 0;

    // The user's number notation, for the counter and the edge setting "Perm".
    virtual NumberSeparators separators() const = 0;
};

} // namespace vandelor::insert
