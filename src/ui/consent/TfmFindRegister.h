#pragma once

#include <QDialog>

class ConsentRegister;
class QLineEdit;
class TfmTongRegister;

// "검색" of the consent register: the next consent, in the grid's filter and order, whose filled fields equal the
// stored values exactly. The grid's cursor moves to it.
class TfmFindRegister : public QDialog {
    Q_OBJECT
public:
    TfmFindRegister(const ConsentRegister& consents, TfmTongRegister& screen);

    // " 처음부터" (fromStart, Ctrl+F) or " 계속검색" (Ctrl+N): false, with the message, when nothing more matches.
    bool search(bool fromStart);

    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* realNameBox() const { return m_realName; }
    QLineEdit* accountBox() const { return m_account; }
    QLineEdit* payerBox() const { return m_payer; }

private:
    const ConsentRegister& m_consents;
    TfmTongRegister& m_screen;
    QLineEdit* m_name;
    QLineEdit* m_realName;
    QLineEdit* m_account;
    QLineEdit* m_payer;
};
