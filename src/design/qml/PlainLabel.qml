import QtQuick
import Vireloom.Design

// Text exactly as written. Everything that comes from outside (titles, uploaders, sites,
// links, errors, logs, file names) is shown through this, never read as markup.
Text {
    textFormat: Text.PlainText
    color: DS.text
    font.pixelSize: DS.typeBody
    // Read out as the text it shows, elided or not.
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
