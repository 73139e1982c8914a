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

How many drones does the text say a colony has?
- a few dozen
+ a few hundred
- a few thousand
- tens of thousands

Right after telling how a bee stores nectar, what does the text describe?
- house bees passing it mouth to mouth
+ bees carrying pollen between flowers
- bees fanning the nectar dry
- the six-sided shape of the cells

Where does the text mention millions of flowers?
- in describing a bee gathering nectar
- in explaining why honey tastes different
+ in telling how little one bee makes
- in the opening on a single spoonful

Which of these does the text NOT mention in its part on beekeepers?
- a little smoke when opening a hive
- frames that can be lifted out
- straining the honey into jars
+ a veil to protect the face

What does the text end with?
- a tip for making cloudy honey runny
+ a warning about feeding honey to babies
- a note on pale and dark kinds of honey
- a note on how far bees fly for a jar
