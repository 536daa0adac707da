import QtQuick 2.15

// Left-to-right slider; see SliderCore for the sending rules.
SliderCore {
    vertical: false
}
