# The Water Cycle

What is the text mainly about?
- where the cleanest drinking water comes from
- why some places get far more rain than others
- how clouds can be used to forecast the weather
+ how the same water moves around the Earth again and again

When is evaporation fastest, according to the text?
+ when the air is warm, dry and windy
- when the air is cool, damp and still
- when the air is heavy before a storm
- when the air is clear after a shower

What is transpiration?
- water soaking slowly down between grains of soil
+ water escaping from leaves through tiny pores
- water vapour turning back into tiny drops
- water running off the land into the streams

Why does rising vapour turn back into drops of water?
- the wind breaks it up into small pieces
- the sunlight can no longer reach it up there
+ the air cools and cannot hold as much vapour
- the dust in the air pulls the vapour together

Which example of condensation at home does the text give?
- steam rising from a hot cup of tea
- a puddle drying up after a shower
- washing drying on a line in the wind
+ a misty patch on a cold window you breathe on

What decides whether precipitation comes as rain, snow, sleet or hail?
+ how cold the air is on the way down
- how high the cloud floats in the sky
- how hard the wind blows in the cloud
- how large the cloud has grown

What does the text say about groundwater?
- it flows back to the sea faster than rivers do
- it freezes into glaciers high up on the peaks
+ it can stay hidden a long time before a spring or well
- it rises again at once as vapour on hot days

Why is the rain that falls fresh?
- plants draw the salt out through their roots
- the cold inside the clouds breaks down the salt
- the wind blows the dirt out of the clouds
+ salt and dirt stay behind when water evaporates
