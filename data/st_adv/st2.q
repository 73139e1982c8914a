# How Glaciers Carve Valleys

Which region does the text NOT name?
- the Alps
- Scotland
+ Greenland
- North America

What does the text say fluffy snowflakes become before they turn into solid ice?
- firn
- névé
+ a dense granular material
- a hard crust of packed snow

U-shaped valleys are among the clearest what left by glaciers, in the text's words?
- signs
+ signatures
- fingerprints
- traces

What does the text describe right before it names the Matterhorn?
+ narrow ridges called aretes
- pointed peaks called horns
- hollows called cirques
- small lakes inside cirques

Which word does the text use for the weight that makes thick ice move downhill?
- enormous
- immense
- considerable
+ tremendous

Which word does the text use for how tributary valleys are left above the main floor?
- stranded
+ perched
- suspended
- raised

Which material does the text NOT list as part of moraines?
- boulders
- sand
- clay
+ gravel

Which point does the text make in its final paragraph?
+ huge stones once puzzled early naturalists
- parts of Scandinavia are still slowly rising
- meltwater refreezes and tears rocks loose
- fjords formed where ice cut below sea level
