.pragma library

// The rows of `list` on screen, as [first, end); null when none is. Section
// headers have no row, so the first row is looked for a little further down.
function visibleRange(list, step) {
    var top = -1
    for (var dy = 0; dy < list.height && top < 0; dy += step)
        top = list.indexAt(list.width / 2, list.contentY + dy)
    if (top < 0)
        return null
    var bottom = list.indexAt(list.width / 2, list.contentY + list.height - 1)
    if (bottom < 0)
        bottom = list.count - 1
    return [top, bottom + 1]
}
