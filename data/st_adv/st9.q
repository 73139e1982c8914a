# The Potato's Journey Around the World

How many ways of preparing potatoes does the opening list?
- four
- three
+ five
- six

Which reason for Europeans' early distrust does the text NOT give?
+ it was blamed for causing leprosy
- it was related to deadly nightshade
- its leaves and sprouts were poisonous
- it grew from a tuber, not from seed

In which ways does the text say Andean potato varieties differed?
- shape, size and flavor
- color, size and texture
+ color, shape and flavor
- shape, texture and color

Which grains does the text say a potato field could out-feed, area for area?
+ wheat or rye
- rye or barley
- barley or oats
- oats or wheat

Besides feeding them to livestock, how does the text say people first grew potatoes?
- as a decorative flower
- as a medicinal herb
- as a source of starch
+ as a botanical curiosity

What does the text turn to right after the crop's spread to Africa, Asia and North America?
- the blight of the 1840s
+ the potato as a swollen stem
- the freezing of chuno
- Parmentier's work in France

Which of these does the text NOT say about the potato blight?
- it reached Europe in the 1840s
- it turned fields into black slime
- Ireland suffered from it worst
+ about a million people died of it

Besides a protection against disease, what does the text's final sentence call the Andean diversity?
- a precious legacy
+ a valuable inheritance
- a priceless heritage
- a lasting treasure
