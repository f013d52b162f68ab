// The document's history: steps hold the bytes a change altered, go back and
// forth, and group the changes of one action.
#include "document/document.h"
#include "shell/document_history.h"

#include <QUndoStack>
#include <QtTest>

class DocumentHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void stepsUndoAndRedoTheirBytes()
    {
        Document doc;
        DocumentHistory history(doc);
        doc.change()[0x0100] = 1;
        history.beginStep(QStringLiteral("Paste 2 channels"));
        doc.change()[0x0120] = 2;
        doc.change()[0x0140] = 3;
        doc.change()[0x0140] = 3; // no change, no step
        history.endStep();
        QCOMPARE(history.stack()->count(), 2);
        QCOMPARE(history.stack()->undoText(), QStringLiteral("Paste 2 channels"));
        QVERIFY(history.byteCount() < 1000);

        history.stack()->undo();
        QCOMPARE(doc.image()[0x0120], 0);
        QCOMPARE(doc.image()[0x0140], 0);
        QCOMPARE(doc.image()[0x0100], 1);
        history.stack()->undo();
        QCOMPARE(doc.image()[0x0100], 0);
        history.stack()->redo();
        history.stack()->redo();
        QCOMPARE(doc.image()[0x0140], 3);
        QCOMPARE(history.stack()->count(), 2); // undoing and redoing records nothing new

        // A change after an undo drops the steps that were undone.
        history.stack()->undo();
        doc.change()[0x0200] = 4;
        QCOMPARE(history.stack()->count(), 2);
        QCOMPARE(doc.image()[0x0140], 0);
        history.clear();
        QCOMPARE(history.stack()->count(), 0);
    }
};

QTEST_GUILESS_MAIN(DocumentHistoryTest)
#include "document_history_test.moc"
