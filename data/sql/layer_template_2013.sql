-- VeskCAD layer template "default_Layer2013.mdb" (installed in config/数据库/):
-- the build makes it from layer_standards_2013.sql (the four tables and their
-- system rows, as in the shipped layer database) followed by this file.
--
-- A layer database of the classic generation (without LayerID) is upgraded
-- from this template: the template is copied over it, the user rows of the
-- template (LayerType U/UR) are deleted, the old rows of the user are inserted
-- as user rows and related to the system rows by Item.  Each table carries a
-- few user rows here, so that their removal during the upgrade is real work.

-- User rows (LayerType U/UR).  The layer database upgrade removes every
-- user row of the template before it carries the rows of a user over.
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'R1;R2;R3', '居住用地', 'YD-R居住', '(255,255,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户合并：三类居住用地共用一个图层');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'S1-CL', '道路中心线', 'ROAD-中线', '1', 18, 'CENTER', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户图层名：道路中心线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('UR', 'KZ-BL;SX-SL', '蓝线及岸线', '蓝线', '5', 35, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户合并：蓝线与水系岸线');

-- User rows (LayerType U/UR).  The layer database upgrade removes every
-- user row of the template before it carries the rows of a user over.
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'JZ-PL', '规划建筑', '建筑-规划', '7', 35, 'CONTINUOUS', 1, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户图层名：规划建筑');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'LH-GB;KZ-GL', '绿地边界与绿线', 'GREEN', '3', 25, 'CONTINUOUS', 1, 0, 136, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户合并：绿地边界与绿线');

-- User rows (LayerType U/UR).  The layer database upgrade removes every
-- user row of the template before it carries the rows of a user over.
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'ZT-PS', '停车位', 'P-停车位', '4', 18, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户图层名：停车位');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'ZT-TR;ZT-SH', '植物', '植物', '3', 13, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户合并：乔木与灌木');

-- User rows (LayerType U/UR).  The layer database upgrade removes every
-- user row of the template before it carries the rows of a user over.
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('U', 'TK-FR', '图框', 'A1图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户图层名：图框');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('UR', 'TK-NA;TK-WR', '指北针与风玫瑰', '指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '用户合并：指北针与风玫瑰');
