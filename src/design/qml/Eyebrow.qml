import QtQuick
import Vireloom.Design

// The small spaced-out capitals above a title.
PlainLabel {
    color: DS.primary
    font.pixelSize: DS.typeCaption
    font.weight: Font.DemiBold
    font.letterSpacing: DS.tracking(text, 2.2)
    font.capitalization: Font.AllUppercase
}
