# Texts of the device settings page shown before the settings have arrived.
TEXTS = {
    "Reading the device's settings...": ("Die Einstellungen des Geräts werden gelesen...",
                                         "Lettura delle impostazioni del dispositivo..."),
    "The device's settings are not available yet.": ("Die Einstellungen des Geräts sind noch nicht verfügbar.",
                                                     "Le impostazioni del dispositivo non sono ancora disponibili."),
}
