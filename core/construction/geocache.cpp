#include "core/construction/geocache.h"

namespace quarn::geocache {

QStringList foundStatusSmallImages()
{
    return {":/Icons/i_NotFound.mif", ":/Icons/i_Found.mif", ":/Icons/i_NeedsMaintenance.mif",
            ":/Icons/i_NotAttempted.mif"};
}

QStringList foundStatusPaneImages()
{
    return {":/Icons/i_PaneBtn_DidntFoundIt.mif", ":/Icons/i_PaneBtn_FoundIt.mif",
            ":/Icons/i_PaneBtn_NeedsMaintenance.mif", ":/Icons/i_PaneBtn_NotAttempted.mif"};
}

QStringList foundStatusMenuImages()
{
    return {":/Icons/i_MenuIcon_NotFound.mif", ":/Icons/i_MenuIcon_Found.mif",
            ":/Icons/i_MenuIcon_NeedsMaintenance.mif", ":/Icons/i_PaneBtn_NotAttempted.mif"};
}

QStringList cacheSizeImages()
{
    return {":/Icons/i_Size_Micro.mif", ":/Icons/i_Size_Small.mif", ":/Icons/i_Size_Regular.mif",
            ":/Icons/i_Size_Large.mif", ":/Icons/i_Size_Other.mif", ":/Icons/i_Size_Not_Chosen.mif"};
}

QStringList cacheSizeLargeImages()
{
    return {":/Icons/i_Size_Micro_big.mif", ":/Icons/i_Size_Small_big.mif", ":/Icons/i_Size_Regular_big.mif",
            ":/Icons/i_Size_Large_big.mif", ":/Icons/i_Size_Other_big.mif", ":/Icons/i_Size_Not_Chosen_big.mif"};
}

QStringList ratingImages()
{
    // The host's first four ratings alternate half and one star.
    return {":/Icons/i_Rating_HalfStarRating.mif", ":/Icons/i_Rating_1StarRating.mif",
            ":/Icons/i_Rating_HalfStarRating.mif", ":/Icons/i_Rating_1StarRating.mif",
            ":/Icons/i_Rating_1_5StarRating.mif",  ":/Icons/i_Rating_2StarRating.mif",
            ":/Icons/i_Rating_2_5StarRating.mif",  ":/Icons/i_Rating_3StarRating.mif",
            ":/Icons/i_Rating_3_5StarRating.mif",  ":/Icons/i_Rating_4StarRating.mif",
            ":/Icons/i_Rating_4_5StarRating.mif",  ":/Icons/i_Rating_5StarRating.mif"};
}

QStringList largeStarImages()
{
    return {":/Icons/i_stars_big_00.mif", ":/Icons/i_stars_big_05.mif", ":/Icons/i_stars_big_10.mif",
            ":/Icons/i_stars_big_15.mif", ":/Icons/i_stars_big_20.mif", ":/Icons/i_stars_big_25.mif",
            ":/Icons/i_stars_big_30.mif", ":/Icons/i_stars_big_35.mif", ":/Icons/i_stars_big_40.mif",
            ":/Icons/i_stars_big_45.mif", ":/Icons/i_stars_big_50.mif"};
}

QStringList largeDirectionImages()
{
    return {":/Icons/i_DNorth.mif", ":/Icons/i_DNorthEast.mif", ":/Icons/i_DEast.mif", ":/Icons/i_DSouthEast.mif",
            ":/Icons/i_DSouth.mif", ":/Icons/i_DSouthWest.mif", ":/Icons/i_DWest.mif", ":/Icons/i_DNorthWest.mif"};
}

QStringList routingMethodImages()
{
    return {":/Icons/i_PaneBtn_Hike.mif", ":/Icons/i_PaneBtn_Pedestrian.mif", ":/Icons/i_PaneBtn_Bike.mif",
            ":/Icons/i_PaneBtn_Car.mif"};
}

QStringList logTypeImages()
{
    return {":/Icons/i_PaneBtn_FieldNote.mif",        ":/Icons/i_PaneBtn_FoundIt.mif",
            ":/Icons/i_PaneBtn_DidntFoundIt.mif",     ":/Icons/i_PaneBtn_OwnerMaintenance.mif",
            ":/Icons/i_PaneBtn_NeedsMaintenance.mif", ":/Icons/i_PaneBtn_FieldNote.mif",
            ":/Icons/i_PaneBtn_PublishListing.mif"};
}

} // namespace quarn::geocache
