import QtQuick
import QtQuick.Layouts
import Vireloom.Design
import Vireloom.UI

// A time of day typed as HH:MM; one that is not a time is refused with a word on the
// row and changes nothing.
SettingField {
    id: root

    property int minutes
    // The row that says why a time was refused, and what reads and writes the times.
    property SettingRow row
    property FollowingView texts

    signal offered(int value)

    Layout.preferredWidth: 72
    implicitWidth: 72
    horizontalAlignment: TextInput.AlignHCenter
    text: root.texts.clock(root.minutes)
    refused: root.row.problem.length > 0
    onTextEdited: root.row.problem = ""
    onEditingFinished: {
        const value = root.texts.minutesOf(root.text);
        if (value < 0) {
            root.row.problem = I18n.lf("“%@” não é um horário: use, por exemplo, 01:00.", [root.text]);
            return;
        }
        root.offered(value);
        root.text = root.texts.clock(value);
    }
}
