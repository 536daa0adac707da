#include "settings/settingseditorview.h"

#include "app/logcategories.h"
#include "navigation/navigationbar.h"
#include "settings/dynamictranslator.h"
#include "views/documentitem.h"

#include <QJSValue>

SettingsEditorView::SettingsEditorView(QQuickItem* parent)
    : NavigationView(parent)
    , m_schema(SettingsSchema::shipped())
{
    connect(this, &NavigationView::presented, this, &SettingsEditorView::refreshBar);
}

void SettingsEditorView::refreshBar()
{
    // Coming back to an editor (after a push or a back) shows its own buttons:
    // "Add" on lists that take new elements (and "Save" once one was removed),
    // "Save" on other nodes once something was changed.
    if (m_isEditableList) {
        setBar("rightText", tr("Add"));
        setBar("rightVisible", true);
        setBar("secRightVisible", m_edited);
    } else {
        setBar("rightText", tr("Save"));
        setBar("rightVisible", m_edited);
        setBar("secRightVisible", false);
    }
}

void SettingsEditorView::setListView(QQuickItem* view)
{
    m_listView = view;
    Q_EMIT listViewChanged();
}

void SettingsEditorView::setNavBar(NavigationBar* bar)
{
    m_navBar = bar;
    Q_EMIT navBarChanged();
}

void SettingsEditorView::setParentKey(const QVariant& key)
{
    m_parentKey = key;
    Q_EMIT parentKeyChanged();
}

void SettingsEditorView::setEdited(bool edited)
{
    m_edited = edited;
    Q_EMIT editedChanged();
}

void SettingsEditorView::setBar(const char* name, const QVariant& value)
{
    if (m_navBar)
        m_navBar->setProperty(name, value);
}

QJsonValue SettingsEditorView::value() const
{
    if (isArrayNode())
        return m_node.array;
    return m_node.object;
}

void SettingsEditorView::loadSettings(const QJsonValue& value, const QString& key)
{
    m_node = SettingsSchema::load(m_schema, value, key);
    if (value.isArray() && !m_node.addable.isEmpty()) {
        m_isEditableList = true;
        Q_EMIT isEditableListChanged();
        if (m_listView)
            m_listView->setProperty("allowRemove", true);
    }
    rebuildModel();
}

void SettingsEditorView::rebuildModel()
{
    if (m_listView)
        m_listView->setProperty("model", SettingsSchema::rows(m_schema, m_node));
}

QVariantList SettingsEditorView::editedRows() const
{
    if (!m_listView)
        return SettingsSchema::rows(m_schema, m_node);
    QVariant rows = m_listView->property("listModel");
    if (rows.userType() == qMetaTypeId<QJSValue>())
        rows = rows.value<QJSValue>().toVariant();
    return rows.toList();
}

void SettingsEditorView::openChild(const QJsonValue& value, const QString& key, const QVariant& parentKey,
                                   const QString& title)
{
    setBar("rightVisible", false);
    auto* child = qobject_cast<SettingsEditorView*>(DocumentItem::create(this, QLatin1String(Document), nullptr));
    if (!child)
        return;
    connect(child, &SettingsEditorView::readyToSave, this, &SettingsEditorView::commitSave);
    child->setSchema(m_schema);
    child->setNavBar(m_navBar);
    child->setParentKey(parentKey);
    child->setTitle(title);
    child->loadSettings(value, key);
    Q_EMIT pushView(child);
}

void SettingsEditorView::openSettingsWithKey(const QString& key)
{
    openChild(m_node.object.value(key), key, key, DynamicTranslator::label(key));
}

void SettingsEditorView::openSettingsWithIndex(int index)
{
    if (index < 0 || index >= m_node.array.size())
        return;
    const QJsonValue element = m_node.array.at(index);
    openChild(element, SettingsSchema::elementType(m_node.type), index,
              element.toObject().value(QLatin1String("name")).toVariant().toString());
}

void SettingsEditorView::addSettingsItem(const QString& itemType)
{
    m_node.array.append(QJsonObject { { QStringLiteral("name"), DynamicTranslator::label(itemType) },
                                      { QStringLiteral("type"), itemType } });
    rebuildModel();
    setEdited(true);
    openSettingsWithIndex(m_node.array.size() - 1);
}

void SettingsEditorView::removeSettingsItemWithIndex(int index)
{
    if (index < 0 || index >= m_node.array.size())
        return;
    m_node.array.removeAt(index);
    rebuildModel();
    setEdited(true);
    setBar("secRightVisible", true);
}

void SettingsEditorView::saveSettings()
{
    if (isArrayNode()) {
        Q_EMIT readyToSave(m_parentKey, m_node.array);
    } else {
        const QJsonObject edited = SettingsSchema::applyRows(m_node.object, editedRows());
        const QString problem = SettingsSchema::saveProblem(edited);
        if (!problem.isEmpty()) {
            // The page stays, with the edits, until the user mends them.
            qCDebug(lcSettings) << "settings not saved:" << problem;
            setProblem(problem);
            refreshBar();
            return;
        }
        m_node.object = edited;
        Q_EMIT readyToSave(m_parentKey, m_node.object);
    }
    // The page stays until the device has taken the settings: the settings
    // tab then goes back to its first page, and after a failure the edits are
    // still here to try again.
    setProblem(QString());
}

void SettingsEditorView::markSaved()
{
    setEdited(false);
    setProblem(QString());
}

void SettingsEditorView::setProblem(const QString& problem)
{
    m_problem = problem;
    Q_EMIT problemChanged();
}

void SettingsEditorView::commitSave(const QVariant& key, const QJsonValue& value)
{
    if (isArrayNode()) {
        const int index = key.toInt();
        if (!m_node.array.isEmpty() && index >= 0 && index < m_node.array.size())
            m_node.array.replace(index, value);
        rebuildModel(); // a renamed element shows its new name
    } else {
        // What was edited on this page goes along with the child's edits.
        m_node.object = SettingsSchema::applyRows(m_node.object, editedRows());
        m_node.object.insert(key.toString(), value);
    }
    // This page now holds the child's edits too, saved or not.
    setEdited(true);
    Q_EMIT readyToSave(m_parentKey, this->value());
}
