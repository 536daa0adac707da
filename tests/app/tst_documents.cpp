#include "app/startup.h"
#include "settings/tavireltheme.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTest>

// Every document of the interface, loaded by its resource path as the
// application loads it: it must load without a QML warning, be (or hold) the
// class its controller expects, and declare the properties and signals that
// the classes set and connect by name.
namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg
        && (message.contains(QLatin1String("qrc:/")) || message.contains(QLatin1String("Error"))
            || message.contains(QLatin1String("QML"))))
        g_warnings << message;
    g_previous(type, context, message);
}

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool hasSignal(const QMetaObject* meta, const QString& name)
{
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && QString::fromLatin1(m.name()) == name)
            return true;
    }
    return false;
}

bool holdsClass(QObject* root, const QString& className)
{
    if (root->inherits(className.toLatin1().constData()))
        return true;
    const auto children = root->findChildren<QObject*>();
    for (QObject* child : children) {
        if (child->inherits(className.toLatin1().constData()))
            return true;
    }
    return false;
}
}

class TestDocuments : public QObject
{
    Q_OBJECT
private:
    QQmlEngine* m_engine = nullptr;
    TavirelTheme m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        m_theme.loadFromFile(qEnvironmentVariable("TAVIREL_SOURCE_DIR") + QStringLiteral("/themes/theme0.json"));
        m_engine = new QQmlEngine(this);
        Startup::addImageProvider(m_engine);
        QQmlContext* context = m_engine->rootContext();
        context->setContextProperty(QStringLiteral("currentTheme"), &m_theme);
        context->setContextProperty(QStringLiteral("selectedLang"), QStringLiteral("en"));
        context->setContextProperty(QStringLiteral("isIOSdevice"), false);
        context->setContextProperty(QStringLiteral("isPhoneX"), false);
        Startup::setScreenContext(context, 1.0);
        g_previous = qInstallMessageHandler(collectWarnings);
    }

    void cleanupTestCase() { qInstallMessageHandler(g_previous); }

    void contract_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("properties");
        QTest::addColumn<QStringList>("signalNames");
        const QStringList popupText = words("headTitle okBtnText cancBtnText");
        const QStringList slider = words("value minimumValue maximumValue stepSize rounding");
        const QStringList sendingSlider = slider + words("sendThreshold sliding lastTimestamp");
        auto row = [](const char* path, const char* cls, const QStringList& props, const char* sigs) {
            QTest::newRow(path) << QString::fromLatin1(path) << QString::fromLatin1(cls) << props << words(sigs);
        };
        row("Qml/AddDevicePopup.qml", "", popupText, "addDevice requireKeyboard dismissKeyboard close");
        row("Qml/AddUrlDialog.qml", "", popupText, "addUrl requireKeyboard dismissKeyboard close");
        row("Qml/AuthenticationPopup.qml", "", words("alreadySaved deviceRef bodyMessage") + popupText,
            "confirmConnection authenticate requireKeyboard dismissKeyboard close");
        row("Qml/ConfirmPopup.qml", "", words("alreadySaved deviceRef bodyMessage") + popupText,
            "confirmConnection close");
        row("Qml/CustomSpinner.qml", "", {}, "");
        row("Qml/DetailedCell.qml", "",
            words("textLabel detailTextLabel textColor detailTextColor arrowVisible accessoryEnabled removeEnabled"),
            "accessoryClicked clicked removeItem");
        row("Qml/Equalizer.qml", "", words("bassValue middleValue trebleValue loudnessValue"),
            "saveEqualizer closeRequested");
        row("Qml/FeedbackButton.qml", "",
            words("applyMask imgSource sourceWidth sourceHeight textColor textSize text textAlign "
                  "textCapitalization textContentWidth textWrap"),
            "clicked");
        row("Qml/GenericCell.qml", "", words("textLabel textColor arrowVisible removeEnabled"), "clicked removeItem");
        row("Qml/HorizontalSlider.qml", "", sendingSlider, "newValueToSend");
        row("Qml/VerticalSlider.qml", "", sendingSlider, "newValueToSend");
        row("Qml/SourcesView/VolumeSlider.qml", "", sendingSlider, "newValueToSend");
        row("Qml/PlayerView/ProgressSlider.qml", "", sendingSlider, "newValueToSend");
        row("Qml/Settings/SettingsSlider.qml", "", slider, "newValueToSend");
        row("Qml/MatrixPopup.qml", "", words("sourcesModel outputsModel"), "setInputForOutput closeRequested");
        row("Qml/MoreMenu.qml", "", words("selectedItem selectedPlayer"), "close");
        row("Qml/NavigationBar.qml", "",
            words("title backText backVisible secRightText secRightVisible rightText rightVisible"),
            "right secondRight back");
        row("Qml/NavigationButton.qml", "", words("type applyMask textColor textSize text textAlign"), "clicked");
        row("Qml/PlayButton.qml", "", words("applyMask imgSource sourceWidth sourceHeight"), "clicked");
        row("Qml/PlaylistSaveDialog.qml", "", words("bodyMessage playlistUri") + popupText,
            "createPlaylist renamePlaylist requireKeyboard dismissKeyboard close");
        row("Qml/QueueView.qml", "", words("closeVisible currentPlayer"),
            "closeRequested requireOpenSaveDialog requireOpenAddDialog requireClearQueue");
        row("Qml/SettingsView.qml", "SettingsView", {}, "");
        row("Qml/WindowNotice.qml", "", words("notices"), "");
        row("Qml/SongCell.qml", "",
            words("selected textLabel detailTextLabel imgSource menuBtnVisible playNowVisible removeEnabled"),
            "moreMenuRequested playNowRequested clicked removeItem");
        row("Qml/MusicLibrary/MusicLibraryPopup.qml", "BrowseNavigationController", {}, "");
        row("Qml/MusicLibrary/BrowseList.qml", "BrowseListView", words("insidePlaylistView title"), "");
        row("Qml/MusicLibrary/SearchRootView.qml", "SearchRootView", words("filters title"),
            "search requireKeyboard dismissKeyboard");
        const QStringList playlistCell = words("selected textLabel detailTextLabel imgSource");
        row("Qml/Playlists/PlaylistCell.qml", "", playlistCell, "moreMenuRequested playNowRequested clicked");
        row("Qml/Playlists/PlaylistDeleteDialog.qml", "", words("playlistUri bodyMessage") + popupText,
            "confirmDelete close");
        row("Qml/Playlists/PlaylistEntriesView.qml", "NavigationView", words("plRef currTavirel currPlayer enableSelection"),
            "");
        row("Qml/Playlists/PlaylistEntryCell.qml", "", words("selected textLabel detailTextLabel"), "clicked");
        row("Qml/Playlists/PlaylistMoreMenu.qml", "", words("selectedItem"), "close");
        row("Qml/Playlists/PlaylistRootView.qml", "PlaylistRootView", words("currPlayer currTavirel title"),
            "openMenuWithItem requireBrowseForUri requestImage discardImage requireLookup");
        row("Qml/Playlists/PlaylistsNavPopup.qml", "PlaylistNavigationController", {}, "");
        row("Qml/PlayerView/PlayerView.qml", "PlayerView", words("landscape popupStartPoint popupEndpoint"),
            "requireSelectOutput");
        row("Qml/PlayerView/CoverImageLarge.qml", "", words("coverSource"), "");
        row("Qml/SourcesView/CoverImage.qml", "", words("coverSource"), "");
        row("Qml/SourcesView/CoverBackground.qml", "", words("coverSource"), "");
        row("Qml/PlayerView/OutputListPanel.qml", "", words("selectedSource isLandscapeMode"),
            "selectItemForVolume requestEqualizer requestSelector closeRequested");
        row("Qml/SourcesView/SourcesView.qml", "SourcesView", words("landscape popupStartPoint popupEndpoint"),
            "requireSelectSource");
        row("Qml/SourcesView/OutputSelector.qml", "", words("selSource outputsModel"),
            "setInputForOutput closeRequested");
        row("Qml/SourcesView/OutputsPanel.qml", "", words("isInteractive modelInt canvasVisible"),
            "requestSelectOutput requestEqualizer requestSelector");
        row("Qml/Settings/DeviceCell.qml", "", words("textLabel detailTextLabel imgSource connectionFlag"), "");
        row("Qml/Settings/DeviceFinder.qml", "DeviceFinderView", {}, "");
        row("Qml/Settings/EnumCell.qml", "", words("textLabel currentValue"), "valueChanged");
        row("Qml/Settings/NumberCell.qml", "", words("textLabel currentValue"), "valueChanged");
        row("Qml/Settings/SwitchCell.qml", "", words("textLabel currentValue"), "valueChanged");
        row("Qml/Settings/StringCell.qml", "", words("textLabel currentValue isPassword isEditable textHint"),
            "valueChanged requireKeyboard dismissKeyboard");
        row("Qml/Settings/SettingsEnumDialog.qml", "", words("valuesModel labelsModel currentValue"),
            "valueChanged close");
        row("Qml/Settings/SettingsItemDialog.qml", "", words("titleText messageText listModel"),
            "addSettingsItem close");
        row("Qml/Settings/SettingsEditorView.qml", "SettingsEditorView", {}, "");
        row("Qml/Settings/SettingsRootView.qml", "SettingsRootView", {},
            "requirePushSettingsEditor requirePushDeviceFinder requirePushTermsAndCond requirePushThemeSel");
        row("Qml/Settings/SettingsUnavailable.qml", "NavigationView", words("loading canRetry reason"), "requireRetry");
        row("Qml/Settings/TermsAndConditions.qml", "NavigationView", words("textSource"), "");
        row("Qml/Settings/ThemeSelector.qml", "NavigationView", words("themes selTheme names"), "requireSetTheme");
    }

    void contract()
    {
        QFETCH(QString, path);
        QFETCH(QString, className);
        QFETCH(QStringList, properties);
        QFETCH(QStringList, signalNames);

        g_warnings.clear();
        QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:/") + path));
        QVERIFY2(component.isReady(), qPrintable(path + QStringLiteral(" does not load: ") + component.errorString()));
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCoreApplication::processEvents();
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));

        if (!className.isEmpty())
            QVERIFY2(holdsClass(object.data(), className), qPrintable(path + QStringLiteral(" is no ") + className));
        const QMetaObject* meta = object->metaObject();
        for (const QString& name : properties)
            QVERIFY2(meta->indexOfProperty(name.toLatin1().constData()) >= 0,
                     qPrintable(path + QStringLiteral(" lacks property ") + name));
        for (const QString& name : signalNames)
            QVERIFY2(hasSignal(meta, name), qPrintable(path + QStringLiteral(" lacks signal ") + name));
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
