import QtQuick
import Vireloom.Design

// The label of a group of rows or fields.
PlainLabel {
    color: DS.muted
    font.pixelSize: DS.typeMicro
    font.weight: Font.DemiBold
    font.letterSpacing: DS.tracking(text, 1.6)
    font.capitalization: Font.AllUppercase
}
