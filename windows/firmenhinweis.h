#ifndef FIRMENHINWEIS_H
#define FIRMENHINWEIS_H

#include <QFrame>

class QPushButton;

// The notice at the top of the main window while the company data is missing:
// an invoice written before it goes out without a letterhead.
class Firmenhinweis : public QFrame
{
    Q_OBJECT

public:
    explicit Firmenhinweis(QWidget* parent = nullptr);

    // Shows the notice while the company's name or address is empty.
    void aktualisiere();
    QPushButton* knopf() const { return m_knopf; }

signals:
    void firmaEingeben();

private:
    QPushButton* m_knopf;
};

#endif
