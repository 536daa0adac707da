# Texts of the window's notice: what an action did, what failed, and undo.
TEXTS = {
    "Undo": ("Rückgängig", "Annulla"),
    "Replace": ("Ersetzen", "Sostituisci"),
    "A playlist named \"%1\" already exists. Replace its tracks with the queue?": (
        "Eine Playlist namens \"%1\" gibt es bereits. Ihre Titel durch die Warteschlange ersetzen?",
        "Esiste già una playlist di nome \"%1\". Sostituirne i brani con la coda?",
    ),
    "A playlist named \"%1\" already exists. Replace it?": (
        "Eine Playlist namens \"%1\" gibt es bereits. Ersetzen?",
        "Esiste già una playlist di nome \"%1\". Sostituirla?",
    ),
    "A playlist named \"%1\" already exists": (
        "Eine Playlist namens \"%1\" gibt es bereits",
        "Esiste già una playlist di nome \"%1\"",
    ),
    "Queue saved as \"%1\"": ("Warteschlange als \"%1\" gespeichert", "Coda salvata come \"%1\""),
    "Queue cleared": ("Warteschlange geleert", "Coda svuotata"),
    "Not added: a URL starts with its scheme, for example http://": (
        "Nicht hinzugefügt: Eine URL beginnt mit ihrem Schema, zum Beispiel http://",
        "Non aggiunto: un URL inizia con il suo schema, per esempio http://",
    ),
    "Track is not playable": ("Titel kann nicht abgespielt werden", "Il brano non è riproducibile"),
    "URL added to the queue": ("URL zur Warteschlange hinzugefügt", "URL aggiunto alla coda"),
    "Added to the queue": ("Zur Warteschlange hinzugefügt", "Aggiunto alla coda"),
    "%1 tracks added to the queue": ("%1 Titel zur Warteschlange hinzugefügt", "%1 brani aggiunti alla coda"),
    "Added to \"%1\"": ("Zu \"%1\" hinzugefügt", "Aggiunto a \"%1\""),
    "\"%1\" added to the queue": ("\"%1\" zur Warteschlange hinzugefügt", "\"%1\" aggiunta alla coda"),
    "Playlist renamed to \"%1\"": ("Playlist in \"%1\" umbenannt", "Playlist rinominata in \"%1\""),
    "Playlist deleted": ("Playlist gelöscht", "Playlist eliminata"),
    "Playlist \"%1\" deleted": ("Playlist \"%1\" gelöscht", "Playlist \"%1\" eliminata"),
    "Playlist \"%1\" created": ("Playlist \"%1\" erstellt", "Playlist \"%1\" creata"),
    "Undone": ("Rückgängig gemacht", "Annullato"),
}
