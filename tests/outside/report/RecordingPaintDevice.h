#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>

namespace report::test {

// Records what is painted on it: the text of every text item and the number of images.
class RecordingPaintEngine : public QPaintEngine {
public:
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++images; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        ++images;
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts.append(item.text()); }
    // Lines and frames are not recorded; the defaults of these two call each other.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    Type type() const override { return QPaintEngine::User; }

    QStringList texts;
    int images = 0;
};

// An A4 page at 300 dots per inch.
class RecordingPaintDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    RecordingPaintEngine& Engine() { return m_engine; }
    // Everything painted, one text item a line.
    QString Text() const { return m_engine.texts.join(QLatin1Char('\n')); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 2480;
            case PdmHeight:
                return 3508;
            case PdmWidthMM:
                return 210;
            case PdmHeightMM:
                return 297;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 300;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RecordingPaintEngine m_engine;
};

}  // namespace report::test
