#include "postal/TownSuggestions.h"

#include "postal/PostalBase.h"
#include "postal/PostalText.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>

namespace {

const auto kCompleterName = QStringLiteral("townSuggestions");
constexpr int kKeyRole = Qt::UserRole;

// The form in which typed text and names are compared: without case, accents or breaks, and
// with Saint and Sainte written out, so that "st c", "saint c" and "SAINT-C" all find
// SAINT-CHÉRON, and "saint r" finds ST-REMY-EN-BOUZEMONT-ST-GENEST, shortened to fit the field.
QString comparisonKey(QStringView text)
{
    std::vector<std::string> words = PostalText::searchWords(text);
    for (std::string& word : words) {
        if (word == "st")
            word = "saint";
        else if (word == "ste")
            word = "sainte";
    }
    return QString::fromStdString(PostalText::squeezed(words));
}

// Compares what is typed with the names in their comparison form, and puts the name itself,
// accents included, into the field.
class TownCompleter : public QCompleter
{
public:
    using QCompleter::QCompleter;

    QStringList splitPath(const QString& path) const override { return {comparisonKey(path)}; }
    QString pathFromIndex(const QModelIndex& index) const override
    {
        return index.data(Qt::DisplayRole).toString();
    }
};

// Watches the field (to open the list when it gets the focus empty) and the list (so that the
// keys typed while it is open reach the field through its event filters, which QCompleter
// would bypass by calling the field's event handler directly).
class SuggestionKeys : public QObject
{
public:
    SuggestionKeys(QLineEdit* field, QCompleter* completer)
        : QObject(completer)
        , m_field(field)
        , m_completer(completer)
    { }

    void offerNow()
    {
        if (!m_field->text().isEmpty() || !m_field->isEnabled() || !m_field->hasFocus())
            return;
        m_completer->setCompletionPrefix(QString());
        m_completer->complete();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_field && event->type() == QEvent::FocusIn) {
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                QTimer::singleShot(0, this, [this] { offerNow(); });
            return false;
        }
        if (watched != m_completer->popup() || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QAbstractItemView* list = m_completer->popup();
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QModelIndex picked = list->currentIndex();
            list->hide();
            if (picked.isValid()) {
                // Picking is one Enter; checking the name is the next one.
                m_field->setText(picked.data(Qt::DisplayRole).toString());
            } else {
                QCoreApplication::sendEvent(m_field, key);
            }
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
            return false;
        default:
            QCoreApplication::sendEvent(m_field, key);
            return true;
        }
    }

private:
    QLineEdit* m_field;
    QCompleter* m_completer;
};

QCompleter* ourCompleter(const QLineEdit* field)
{
    QCompleter* completer = field->completer();
    return completer && completer->objectName() == kCompleterName ? completer : nullptr;
}

} // namespace

void offerTownNames(QLineEdit* field, const QStringList& names)
{
    // The field owns our completer: taking it away deletes it, its list and its key watcher.
    if (ourCompleter(field))
        field->setCompleter(nullptr);
    if (names.isEmpty())
        return;

    auto* model = new QStandardItemModel(field);
    for (const QString& name : names) {
        auto* item = new QStandardItem(name);
        item->setData(comparisonKey(name), kKeyRole);
        item->setEditable(false);
        model->appendRow(item);
    }
    auto* completer = new TownCompleter(model, field);
    model->setParent(completer);
    completer->setObjectName(kCompleterName);
    completer->setCompletionRole(kKeyRole);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchStartsWith);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setMaxVisibleItems(12);
    field->setCompleter(completer);

    auto* keys = new SuggestionKeys(field, completer);
    completer->popup()->installEventFilter(keys);
    field->installEventFilter(keys);
    keys->offerNow();
}

void offerTownsOfPostalCode(QLineEdit* field, QStringView postalCode)
{
    offerTownNames(field, PostalBase::shipped().townNamesOf(postalCode));
}

QStringList offeredTownNames(const QLineEdit* field)
{
    QStringList names;
    if (const QCompleter* completer = ourCompleter(field)) {
        const QAbstractItemModel* model = completer->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data(Qt::DisplayRole).toString();
    }
    return names;
}
