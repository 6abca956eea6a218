#pragma once

#include <QWidget>

// The help viewer window.
class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    TFormHilfe();

    void FormCreate();
    void FormDestroy();
    void ShowHelp(const QString& page, const QString& anchor);
};

extern TFormHilfe* FormHilfe;
