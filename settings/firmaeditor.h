#ifndef FIRMAEDITOR_H
#define FIRMAEDITOR_H

#include <QList>
#include <QSettings>
#include <QWidget>

class QLineEdit;

// Settings page of the company's letterhead, bank and registration data.
class FirmaEditor : public QWidget
{
    Q_OBJECT

public:
    explicit FirmaEditor(QWidget* parent = nullptr);

public slots:
    void load();
    void save();

private:
    QList<QLineEdit*> m_felder;  // one per key, in row order; each named by its key
    QSettings m_settings;
};

#endif
