import QtQuick 2.15

// Bottom-to-top slider; see SliderCore for the sending rules.
SliderCore {
    vertical: true
}
