// SPDX-License-Identifier: MIT
#include "introductiontext.h"

#include "developercontact.h"

#include <QStringList>

namespace korvane {

namespace {
// The project's version (CMakeLists.txt), the one the package carries too.
constexpr char kVersion[] = KORVANE_VERSION;
constexpr char kUpdated[] = "2019年10月30日";

// One heading with its points numbered 1、2、3、…
QString section(const QString& heading, const QStringList& points) {
    QString text = heading + u'\n';
    for (int i = 0; i < points.size(); ++i)
        text += QStringLiteral("%1、%2\n").arg(i + 1).arg(points[i]);
    return text;
}
} // namespace

QString introductionText(const QString& downloadPage) {
    const QString developer = QString::fromUtf8(developer::kName);
    QString text = QStringLiteral("欢迎使用《Korvane2019版》\n");
    text += QStringLiteral("%1出品　版本%2　最后更新%3\n\n")
                .arg(developer, QString::fromUtf8(kVersion), QString::fromUtf8(kUpdated));

    text += section(
        QStringLiteral("★有以下特点："),
        {QStringLiteral("计算钢板、工字钢、角钢、槽钢、H型钢、矩形管、圆管、圆钢、扁钢、钢轨、"
                        "C型钢等钢材的理论重量，另有±3‰磅差计算和金额大写转换；"),
         QStringLiteral("升级到4.70版后可以在线查询钢材价格和期货行情，下载地址：%1；")
             .arg(downloadPage),
         QStringLiteral(
             "计算结果可以加入材料汇总单，汇总单可以导出为电子表格文件，也可以直接打印；"),
         QStringLiteral("长度框可以直接输入算式，支持 +、-、*、/ 四则运算，例如输入“3*6”回车即得18"
                        "（3*6=18）；"),
         QStringLiteral("一键唤醒：“Esc键”隐藏主窗口，“F1键”显示主窗口，程序在托盘中随时待命；"),
         QStringLiteral("小巧轻便，无需安装，打开即用，除您自己保存的汇总单外不留下任何文件；"),
         QStringLiteral("完全免费，没有任何广告；"),
         QStringLiteral("适合材料员、预算员、采购员和钢材销售人员日常使用。")});
    text += u'\n';

    text +=
        section(QStringLiteral("★注意事项："),
                {QStringLiteral("第一次运行时个别杀毒软件可能会误报，请选择“信任”或“允许”本软件；"),
                 QStringLiteral("可以在各个版本的 Windows 系统上运行，Linux 桌面同样适用；"),
                 QStringLiteral("在线查询功能使用系统自带的浏览器，Windows 系统请把自带浏览器升级"
                                "（或降级）到 Internet Explorer 10；"),
                 QStringLiteral("所有重量均按钢材密度 7.85 g/cm3 计算，只适用于钢材；"),
                 QStringLiteral("镀锌产品的重量 = 计算重量 × 1.03～1.05；"),
                 QStringLiteral("表中数据均为手工录入，难免有误，发现错误请告诉开发者以便更正；"
                                "因数据错误造成的任何损失，开发者不承担责任。")});
    text += u'\n';

    text += QStringLiteral("★版权声明：\n");
    text +=
        QStringLiteral("本软件由%1开发，版权归%1所有。本软件按 MIT 许可证发布，可以免费使用、复制、"
                       "修改和传播，但须保留本版权声明；软件按“原样”提供，不附带任何形式的担保。")
            .arg(developer);
    return text;
}

} // namespace korvane
