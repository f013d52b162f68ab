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
        history.setDefaultText(QStringLiteral("Edit DTMF"));
        doc.change()[0x0100] = 1;
        {
            auto step = doc.step(QStringLiteral("Paste 2 channels"));
            doc.change()[0x0120] = 2;
            auto inner = doc.step(QStringLiteral("joins the outer one"));
            doc.change()[0x0140] = 3;
            doc.change()[0x0140] = 3; // no change, no step
        }
        {
            auto nothing = doc.step(QStringLiteral("Changes nothing"));
        }
        QCOMPARE(history.stack()->count(), 2);
        QCOMPARE(history.stack()->undoText(), QStringLiteral("Paste 2 channels"));
        QCOMPARE(history.stack()->text(0), QStringLiteral("Edit DTMF"));
        QVERIFY(doc.isModified());
        QVERIFY(history.byteCount() < 1000);

        history.stack()->undo();
        QCOMPARE(doc.image()[0x0120], 0);
        QCOMPARE(doc.image()[0x0140], 0);
        QCOMPARE(doc.image()[0x0100], 1);
        history.stack()->undo();
        QCOMPARE(doc.image()[0x0100], 0);
        QVERIFY(!doc.isModified()); // back where the document started
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

        // A recovered document stays modified whatever its bytes.
        doc.markUnmodified();
        doc.markModified();
        doc.change()[0x0200] = 0;
        doc.change()[0x0200] = 4;
        QVERIFY(doc.isModified());
        doc.markUnmodified();
        QVERIFY(!doc.isModified());
    }
};

QTEST_GUILESS_MAIN(DocumentHistoryTest)
#include "document_history_test.moc"
