#pragma once

#include "calculator/PanelText.h"
#include "engine/VariableDictionary.h"

#include <QAbstractListModel>

namespace kalvio {

// The variables as rows "NAME = value [comment]" in the dictionary's name order, protected ones
// in bold. A view over the calculator's dictionary; the number format given is taken at the
// next rebuild.
class TVariableListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // A row's variable name, and the value text Copy takes.
    static constexpr int NameRole = Qt::UserRole + 2;
    static constexpr int CopyTextRole = Qt::UserRole + 3;

    TVariableListModel(const TVariableDictionary& dictionary, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void UpdateListBox();
    void SetNumberFormat(const TPanelNumberFormat& format) { FFormat = format; }
    const TPanelNumberFormat& NumberFormat() const { return FFormat; }

private:
    QString ValueText(const std::u16string& name) const;

    const TVariableDictionary& FDictionary;
    TPanelNumberFormat FFormat;
    TPanelNumberFormat FRowFormat;
    int FRowCount = 0;
};

} // namespace kalvio
