#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QObject>

namespace zev {

class ZEVControlWidget;

// One control in Designer's widget box: its Qt class, header, toolbox image,
// texts and the size a new one is placed with (its design size at 96 DPI).
class ZEVDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Entry {
        const char* widgetClass; // the Qt class, as .ui files and uic name it
        const char* header;
        const char* toolTip;
        const char* whatsThis;
        const char* control;  // the control's class (ZEVNumeric...)
        int toolboxImage;     // the resource identifier of its toolbox image
        ZEVControlWidget* (*create)(QWidget* parent);
        const QMetaObject* meta;
    };

    ZEVDesignerWidget(const Entry& entry, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

    // The control's class name (ZEVNumeric...).
    QString controlName() const;
    // The resource path of the control's toolbox image.
    QString imagePath() const;

private:
    const Entry& entry_;
    bool initialized_ = false;
};

// The five controls of the library, in the group "ZEV Suite Controls".
class ZEVDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ZEVDesignerPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

} // namespace zev
