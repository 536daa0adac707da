.pragma library

// Has `holder` fetch the image of `cell` (a cell with imagePath,
// requestedPath and imgSource) when its path changed, giving up the image
// asked for before.
function followImage(cell, holder) {
    if (cell.imagePath === cell.requestedPath)
        return
    if (cell.requestedPath.length > 0)
        holder.discardImage(cell.requestedPath, cell)
    cell.requestedPath = cell.imagePath
    cell.imgSource = ""
    if (cell.imagePath.length > 0)
        holder.requestImage(cell.imagePath, cell)
}

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
