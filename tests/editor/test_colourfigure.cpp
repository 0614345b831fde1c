#include "colourfigure.h"

#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>

// The tracing table's own finding of a colour figure: a pale yellow ball
// with a red spot and a faint grey shadow under it. The pale fill is
// figure, the shadow is not, the spot's edge is a boundary to keep, the
// slit where a tail is laid against the ball is none; a thin black line
// drawing is not a painted picture, a dark grey penguin is once it has an
// orange beak, though that is all its colour. Pale paws ending with their
// leg are figure, and so is a pale string looped under the penguin.
TEST(ColourFigure, LightColoursAreFigureAndAFaintShadowUnderItIsNot)
{
    cv::Mat page(300, 400, CV_8UC3, cv::Scalar::all(255));
    cv::ellipse(page, {200, 262}, {90, 14}, 0, 0, 360, cv::Scalar::all(232), cv::FILLED);
    cv::circle(page, {200, 170}, 80, cv::Scalar(255, 240, 170), cv::FILLED);
    cv::circle(page, {200, 170}, 30, cv::Scalar(220, 60, 60), cv::FILLED);
    cv::circle(page, {285, 215}, 18, cv::Scalar::all(225), cv::FILLED); // a pale tail
    cv::rectangle(page, {280, 100}, {320, 160}, cv::Scalar(255, 240, 170), cv::FILLED);
    cv::rectangle(page, {296, 200}, {304, 262}, cv::Scalar(200, 120, 60), cv::FILLED); // a leg
    cv::rectangle(page, {292, 262}, {308, 280}, cv::Scalar::all(225), cv::FILLED); // a pale hoof
    cv::rectangle(page, {56, 200}, {94, 268}, cv::Scalar(200, 120, 60), cv::FILLED);
    cv::rectangle(page, {56, 268}, {94, 280}, cv::Scalar::all(225), cv::FILLED);
    const tracingtable::ColourFigure figure = tracingtable::colourFigure(page);
    EXPECT_EQ(figure.mask.at<uchar>(170, 130), 255);
    EXPECT_EQ(figure.mask.at<uchar>(262, 280), 0);
    EXPECT_EQ(figure.mask.at<uchar>(215, 298), 255);
    EXPECT_EQ(figure.mask.at<uchar>(272, 300), 255);
    EXPECT_EQ(figure.mask.at<uchar>(275, 75), 255) << "the paws";
    EXPECT_EQ(figure.outline, 0);
    EXPECT_EQ(figure.boundaries.at<uchar>(170, 230), 255);
    EXPECT_EQ(cv::countNonZero(figure.boundaries(cv::Rect(274, 153, 10, 6))), 0);
    EXPECT_TRUE(tracingtable::coloured(page));
    cv::Mat lines(300, 400, CV_8UC3, cv::Scalar::all(255));
    cv::circle(lines, {200, 150}, 80, cv::Scalar::all(0), 3, cv::LINE_AA);
    EXPECT_FALSE(tracingtable::coloured(lines));
    cv::circle(lines, {200, 150}, 86, cv::Scalar(244, 170, 65), cv::FILLED);
    cv::ellipse(lines, {200, 150}, {82, 82}, 0, 0, 300, cv::Scalar::all(0), 10, cv::LINE_AA);
    EXPECT_GT(tracingtable::colourFigure(lines).outline, 0) << "the fill runs past the outline";
    cv::Mat penguin(300, 400, CV_8UC3, cv::Scalar::all(255));
    cv::ellipse(penguin, {200, 160}, {90, 120}, 0, 0, 360, cv::Scalar(62, 67, 71), cv::FILLED);
    EXPECT_FALSE(tracingtable::coloured(penguin));
    cv::circle(penguin, {200, 90}, 14, cv::Scalar(240, 150, 40), cv::FILLED);
    EXPECT_TRUE(tracingtable::coloured(penguin));
    cv::ellipse(penguin, {200, 282}, {50, 10}, 0, 0, 360, cv::Scalar::all(225), 3);
    EXPECT_EQ(tracingtable::colourFigure(penguin).mask.at<uchar>(287, 200), 255) << "a string";
}

// A picture drawn on a tile: the tile and the sea running off its edge are
// what the drawing lies on, the boat is the figure.
TEST(ColourFigure, OnATileTheDrawingIsTheFigure)
{
    cv::Mat page(300, 400, CV_8UC3, cv::Scalar::all(255));
    cv::rectangle(page, {10, 5}, {390, 295}, cv::Scalar(215, 244, 247), cv::FILLED);
    cv::rectangle(page, {10, 220}, {390, 295}, cv::Scalar(0, 190, 234), cv::FILLED);
    cv::ellipse(page, {200, 215}, {110, 30}, 0, 0, 180, cv::Scalar(175, 119, 63), cv::FILLED);
    const cv::Mat mask = tracingtable::colourFigure(page).mask;
    EXPECT_EQ(mask.at<uchar>(230, 200), 255);
    EXPECT_EQ(mask.at<uchar>(40, 40), 0);
    EXPECT_EQ(mask.at<uchar>(280, 40), 0);
}
