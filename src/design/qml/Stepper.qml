import QtQuick
import Vireloom.Design

// Steps a number down or up by one. A screen reader hears which setting each button
// changes and the value it has now, in names the page gives in its language.
Row {
    id: root

    property bool canDecrease: true
    property bool canIncrease: true
    property string decreaseName
    property string increaseName

    signal stepped(int delta)

    StepButton {
        objectName: "stepDown"
        text: "−"
        enabled: root.canDecrease
        Accessible.name: root.decreaseName
        onClicked: root.stepped(-1)
    }

    StepButton {
        objectName: "stepUp"
        text: "+"
        enabled: root.canIncrease
        Accessible.name: root.increaseName
        onClicked: root.stepped(1)
    }
}
