# Texts of the navigation bar, the music library and its menus.
TEXTS = {
    "Close": ("Schließen", "Chiudi"),
    "Save": ("Speichern", "Salva"),
    "Back to %1": ("Zurück zu %1", "Torna a %1"),
    "previous page": ("vorherige Seite", "pagina precedente"),
}
