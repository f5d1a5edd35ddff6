#pragma once

#include "locale_number.h"

#include <QString>

namespace vandelor::insert {

// The window's text boxes that the insertion run reads or writes.
enum class Box {
    pid,
    pstart,
    OTOL,
    UTOL,
    txt_Staerke,
    Bewegung,
    txt_Erste,
    txt_Perm,
    txt_Einzug,
    txt_Abstand,
    txt_Tiefe,
};

// The window's options and check boxes that the insertion run reads.
enum class Choice {
    Option1,  // "Vektor einrasten": Ja
    Option3,  // "Punktedetails": Ja
    Option5,  // "Auto Bewegung": Ja
    Option7,  // "Stärke Modus": IST
    Option9,  // point IDs from the file
    Option11, // insert type "Vektor"
    CB2,      // dimension output
    cbX,
    cbY,
    cbZ,
    cbV,
    cbT,
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
