import QtQuick
import Vireloom.Design

// Text exactly as written. Everything that comes from outside (titles, uploaders, sites,
// links, errors, logs, file names) is shown through this, never read as markup.
Text {
    textFormat: Text.PlainText
    color: DS.text
    font.pixelSize: DS.typeBody
    // Lines start where the window's text starts: on the right in a mirrored window, also
    // for a Latin title there, which still reads left to right inside its line.
    horizontalAlignment: Text.AlignLeft
    // Read out as the text it shows, elided or not.
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
