import QtQuick
import Vireloom.Design

// Text exactly as written. Everything that comes from outside (titles, uploaders, sites,
// links, errors, logs, file names) is shown through this, never read as markup.
Text {
    textFormat: Text.PlainText
    color: DS.text
    font.pixelSize: DS.typeBody
    // Read out as the text it shows, elided or not. A screen reader's review keys reach it;
    // the keyboard's focus does not, so it is not offered as something to focus.
    Accessible.role: Accessible.StaticText
    Accessible.name: text
    Accessible.focusable: false
}
