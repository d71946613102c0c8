import QtQuick
import QtQuick.Layouts
import Vireloom.Design

// A hairline between rows.
Rectangle {
    implicitHeight: 1
    color: DS.border
    Layout.fillWidth: true
}
