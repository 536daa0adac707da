#pragma once

#include "navigation/navigationview.h"
#include "settings/settingsschema.h"

#include <QJsonValue>
#include <QPointer>
#include <QVariant>

class NavigationBar;

// One node of the device's settings as a list of cells, driven by the
// settings schema. Opening a cell pushes an editor for the child node; saving
// passes the node's new value to the editor below (commitSave), level by
// level, until the root hands the whole object to the settings tab.
class SettingsEditorView : public NavigationView
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem* listView READ listView WRITE setListView NOTIFY listViewChanged)
    Q_PROPERTY(NavigationBar* navBar READ navBar WRITE setNavBar NOTIFY navBarChanged)
    Q_PROPERTY(QVariant parentKey READ parentKey WRITE setParentKey NOTIFY parentKeyChanged)
    Q_PROPERTY(bool edited READ edited WRITE setEdited NOTIFY editedChanged)
    Q_PROPERTY(bool isEditableList READ isEditableList NOTIFY isEditableListChanged)
    // Why the last save was refused; empty once saved or edited again.
    Q_PROPERTY(QString problem READ problem WRITE setProblem NOTIFY problemChanged)
public:
    static constexpr const char* Document = "qrc:/Qml/Settings/SettingsEditorView.qml";

    explicit SettingsEditorView(QQuickItem* parent = nullptr);

    QQuickItem* listView() const { return m_listView; }
    void setListView(QQuickItem* view);
    NavigationBar* navBar() const { return m_navBar; }
    void setNavBar(NavigationBar* bar);
    QVariant parentKey() const { return m_parentKey; }
    void setParentKey(const QVariant& key);
    bool edited() const { return m_edited; }
    void setEdited(bool edited);
    bool isEditableList() const { return m_isEditableList; }
    QString problem() const { return m_problem; }
    void setProblem(const QString& problem);

    QStringList addableTypes() const { return m_node.addable; }
    // The node's current value (the array for list nodes).
    QJsonValue value() const;
    // The schema all editors share; tests may give another.
    void setSchema(const QJsonObject& schema) { m_schema = schema; }

    void loadSettings(const QJsonValue& value, const QString& key);
    // The device took what this page holds.
    void markSaved();

    Q_INVOKABLE void openSettingsWithKey(const QString& key);
    Q_INVOKABLE void openSettingsWithIndex(int index);
    Q_INVOKABLE void removeSettingsItemWithIndex(int index);

Q_SIGNALS:
    void listViewChanged();
    void navBarChanged();
    void parentKeyChanged();
    void editedChanged();
    void isEditableListChanged();
    void problemChanged();
    void readyToSave(const QVariant& key, const QJsonValue& value);

public Q_SLOTS:
    void commitSave(const QVariant& key, const QJsonValue& value);
    void saveSettings();
    void addSettingsItem(const QString& itemType);

    // Shows this page's buttons in the bar.
    void refreshBar();

private:
    bool isArrayNode() const { return m_node.object.isEmpty(); }
    void rebuildModel();
    // The rows as QML left them, edits included.
    QVariantList editedRows() const;
    void setBar(const char* name, const QVariant& value);
    void openChild(const QJsonValue& value, const QString& key, const QVariant& parentKey, const QString& title);

    QJsonObject m_schema;
    SettingsSchema::Node m_node;
    QVariant m_parentKey;
    QPointer<QQuickItem> m_listView;
    QPointer<NavigationBar> m_navBar;
    bool m_edited = false;
    bool m_isEditableList = false;
    QString m_problem;
};
