# How Bees Make Honey

According to the opening, a single spoonful of honey is the work of how many bees?
- about a dozen bees
- hundreds of bees
+ thousands of bees
- millions of bees

What does the opening paragraph say about honey?
+ it keeps a long time in a closed jar
- it begins as nectar deep in flowers
- its sugars are changed by the bees
- it is spun from the frames by machine

Which job of the worker bees does the text NOT list?
- cleaning the hive
- guarding the door
- gathering food
+ feeding the young

Right after telling how a bee stores nectar, what does the text describe?
- house bees passing it mouth to mouth
+ bees carrying pollen between flowers
- bees fanning the nectar dry
- the six-sided shape of the cells

At what point does the text mention the cold months?
- when the beekeeper leaves honey for the bees
- when it gives the colony's size in summer
+ when the bees seal the finished honey
- when it describes honey turning firm

What does the text turn to right after the honey is sealed in with wax?
+ how little honey one bee makes
- how beekeepers open a hive
- why honey differs in colour
- how pollen helps plants make fruit

Which step does the text NOT mention in the beekeeper's work?
- using a little smoke
- slicing off the wax caps
- straining the honey
+ wearing a veil and gloves

What does the text end with?
- a tip for making cloudy honey runny
+ a warning about feeding honey to babies
- a note on pale and dark kinds of honey
- a reminder to leave honey for the bees
